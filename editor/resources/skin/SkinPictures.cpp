#include "SkinPictures.h"

#include "SkinCanvas.h"

#include <QPainterPath>

namespace skin
{
QImage PowerStrip()
{
    return Strip(QSize(30, 30), 5, [](QPainter& p, const QRectF& r, int memory) {
        const QColor colour = MemoryColour(memory);
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(colour, 0.16));
        p.drawEllipse(r.center(), 12.5, 12.5);
        p.setPen(QPen(WithAlpha(colour, 0.45), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(r.center(), 12.5, 12.5);
        DrawIcon(p, Icon::Power, QRectF(7, 7, 16, 16), colour.darker(105), 2.0);
    });
}

QImage Destination(Icon connector, const QString& name)
{
    return Single(QSize(75, 75), [&](QPainter& p, const QRectF& r) {
        const QRectF card = r.adjusted(1.5, 1.5, -1.5, -2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 24));
        p.drawRoundedRect(card.translated(0, 1), 8, 8);
        p.setBrush(Vertical(card, kKeyTop, kKeyBottom));
        p.setPen(QPen(kKeyBorder, 1));
        p.drawRoundedRect(card, 8, 8);
        DrawIcon(p, connector, QRectF(21.5, 10, 32, 32), kInk, 2.0);
        p.setFont(Font(10, QFont::Bold));
        p.setPen(kInk);
        p.drawText(QRectF(2, 48, r.width() - 4, 16), Qt::AlignCenter, name);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(r.center().x() - 9, 65, 18, 2.5), 1.25, 1.25);
    });
}

QImage Pedals(int picked)
{
    return Single(QSize(80, 90), [picked](QPainter& p, const QRectF& r) {
        // The lyre's foot board the pedals come out of.
        const QRectF board(4, 10, 72, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawRoundedRect(board.translated(0, 1.5), 3, 3);
        p.setBrush(Vertical(board, QColor(0x4A, 0x4A, 0x4A), QColor(0x24, 0x24, 0x24)));
        p.drawRoundedRect(board, 3, 3);
        p.fillRect(QRectF(board.left() + 3, board.top() + 1, board.width() - 6, 1), QColor(255, 255, 255, 40));
        for (int i = 0; i < 3; ++i) {
            const qreal cx = 17 + i * 23;
            QPainterPath pedal;
            pedal.moveTo(cx - 2.6, 22);
            pedal.lineTo(cx - 3.4, 46);
            pedal.cubicTo(cx - 4, 54, cx - 8.5, 60, cx - 8.5, 70);
            pedal.cubicTo(cx - 8.5, 79, cx - 5, 83, cx, 83);
            pedal.cubicTo(cx + 5, 83, cx + 8.5, 79, cx + 8.5, 70);
            pedal.cubicTo(cx + 8.5, 60, cx + 4, 54, cx + 3.4, 46);
            pedal.lineTo(cx + 2.6, 22);
            pedal.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 26));
            p.drawEllipse(QPointF(cx, 85), 8, 2.2);
            // Metal shading runs across the pedal.
            QLinearGradient metal(QPointF(cx - 8.5, 0), QPointF(cx + 8.5, 0));
            if (i == picked) {
                metal.setColorAt(0, kAccentDark);
                metal.setColorAt(0.4, kAccentLight.lighter(115));
                metal.setColorAt(1, kAccentDark.darker(110));
                p.setPen(QPen(kAccentDark.darker(120), 1));
            } else {
                metal.setColorAt(0, QColor(0xA8, 0xA8, 0xA8));
                metal.setColorAt(0.4, QColor(0xF2, 0xF2, 0xF2));
                metal.setColorAt(1, QColor(0x9A, 0x9A, 0x9A));
                p.setPen(QPen(QColor(0x88, 0x88, 0x88), 1));
            }
            p.setBrush(metal);
            p.drawPath(pedal);
            p.setPen(QPen(QColor(255, 255, 255, i == picked ? 150 : 170), 1, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(cx - 2.5, 62), QPointF(cx - 3.5, 76));
        }
        (void)r;
    });
}

QImage ValueBox()
{
    return Single(QSize(51, 24), [](QPainter& p, const QRectF& r) {
        const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath shape;
        // Square on the right, where the spin arrows sit against it.
        shape.moveTo(box.right(), box.top());
        shape.lineTo(box.left() + 4, box.top());
        shape.quadTo(box.left(), box.top(), box.left(), box.top() + 4);
        shape.lineTo(box.left(), box.bottom() - 4);
        shape.quadTo(box.left(), box.bottom(), box.left() + 4, box.bottom());
        shape.lineTo(box.right(), box.bottom());
        shape.closeSubpath();
        p.setPen(QPen(kDarkEdge, 1));
        p.setBrush(Vertical(box, QColor(0x26, 0x26, 0x26), QColor(0x34, 0x34, 0x34)));
        p.drawPath(shape);
        p.fillRect(QRectF(box.left() + 3, box.top() + 1, box.width() - 4, 1), QColor(0, 0, 0, 70));
    });
}

QImage LockMarker()
{
    return Single(QSize(13, 15), [](QPainter& p, const QRectF&) {
        DrawIcon(p, Icon::Lock, QRectF(0, 1, 13, 13), QColor(0xD6, 0xD6, 0xD6), 1.3);
    });
}

QImage Warning()
{
    return Single(QSize(29, 29), [](QPainter& p, const QRectF&) {
        QPainterPath triangle;
        triangle.moveTo(14.5, 3);
        triangle.lineTo(26.5, 24.5);
        triangle.lineTo(2.5, 24.5);
        triangle.closeSubpath();
        const QColor amber(0xF2, 0xA5, 0x16);
        p.setPen(QPen(QColor(0, 0, 0, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(triangle.translated(0, 1));
        p.setPen(QPen(amber, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Vertical(QRectF(0, 3, 29, 22), amber.lighter(115), amber));
        p.drawPath(triangle);
        p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14.5, 10), QPointF(14.5, 16.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(14.5, 20.6), 1.5, 1.5);
    });
}

QImage PlotBackdrop()
{
    return Single(QSize(508, 381), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, QColor(0x67, 0x67, 0x67));
        QLinearGradient left(r.topLeft(), r.topLeft() + QPointF(r.width() / 10, 0));
        left.setColorAt(0, QColor(0, 0, 0, 100));
        left.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(r, left);
        QLinearGradient top(r.topLeft(), r.topLeft() + QPointF(0, r.height() / 10));
        top.setColorAt(0, QColor(0, 0, 0, 100));
        top.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(r, top);
        p.fillRect(r, Vertical(r, QColor(0, 0, 0, 0), QColor(0, 0, 0, 0xDC)));
        p.setPen(QPen(QColor(0x44, 0x44, 0x44), 1));
        for (const int in : {0, 25, 50, 75, 100, 127}) {
            const qreal x = 0.5 + in * (r.width() - 1) / 127.0;
            p.drawLine(QPointF(x, 0), QPointF(x, r.height()));
        }
        for (const int out : {0, 19, 37, 55, 73, 91, 109, 127}) {
            const qreal y = 0.5 + (127 - out) * (r.height() - 1) / 127.0;
            p.drawLine(QPointF(0, y), QPointF(r.width(), y));
        }
    });
}

QImage ToolbarFill()
{
    return Single(QSize(2, 30), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, Vertical(r, kDarkTop, kDarkBottom));
        p.fillRect(QRectF(0, 0, 2, 1), QColor(255, 255, 255, 18));
        p.fillRect(QRectF(0, 29, 2, 1), kDarkEdge);
    });
}

QImage ToolbarSeparator()
{
    return Single(QSize(2, 30), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, Vertical(r, kDarkTop, kDarkBottom));
        p.fillRect(QRectF(0, 5, 1, 20), kDarkEdge);
        p.fillRect(QRectF(1, 5, 1, 20), QColor(255, 255, 255, 30));
        p.fillRect(QRectF(0, 29, 2, 1), kDarkEdge);
    });
}

QImage Rule()
{
    return Single(QSize(2, 2), [](QPainter& p, const QRectF&) {
        p.fillRect(QRectF(0, 0, 2, 1), QColor(0, 0, 0, 46));
        p.fillRect(QRectF(0, 1, 2, 1), QColor(255, 255, 255, 190));
    });
}

QImage Hairline()
{
    return Single(QSize(2, 1), [](QPainter& p, const QRectF& r) { p.fillRect(r, QColor(0, 0, 0, 40)); });
}

QImage ProgressFill()
{
    return Single(QSize(2, 11), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, Vertical(r, kAccentLight, kAccentDark));
        p.fillRect(QRectF(0, 0, 2, 1), kAccentLight.lighter(120));
    });
}

QImage ProgressRest()
{
    return Single(QSize(2, 1), [](QPainter& p, const QRectF& r) { p.fillRect(r, QColor(0xC4, 0xC4, 0xC4)); });
}
} // namespace skin
