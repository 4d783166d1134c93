#include "SkinIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace skin
{
namespace
{
// Everything below is in design units: a 20 x 20 square.
class IconPen
{
public:
    IconPen(QPainter& painter, const QColor& colour, qreal width)
        : m_painter(painter)
        , m_colour(colour)
        , m_width(width)
    {
        Stroke();
    }

    void Stroke(qreal factor = 1.0)
    {
        QPen pen(m_colour, m_width * factor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
    }

    void Fill()
    {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_colour);
    }

private:
    QPainter& m_painter;
    QColor m_colour;
    qreal m_width;
};

void ArrowHead(QPainter& p, QPointF tip, QPointF back1, QPointF back2)
{
    QPainterPath path;
    path.moveTo(back1);
    path.lineTo(tip);
    path.lineTo(back2);
    p.drawPath(path);
}

void DrawNew(QPainter& p, IconPen& pen)
{
    QPainterPath page;
    page.moveTo(11.5, 2.5);
    page.lineTo(5, 2.5);
    page.quadTo(4, 2.5, 4, 3.5);
    page.lineTo(4, 16.5);
    page.quadTo(4, 17.5, 5, 17.5);
    page.lineTo(15, 17.5);
    page.quadTo(16, 17.5, 16, 16.5);
    page.lineTo(16, 7);
    page.closeSubpath();
    p.drawPath(page);
    p.drawLine(QPointF(11.5, 2.5), QPointF(16, 7));
    pen.Stroke(1.1);
    p.drawLine(QPointF(10, 9.5), QPointF(10, 14.5));
    p.drawLine(QPointF(7.5, 12), QPointF(12.5, 12));
}

void DrawDuplicate(QPainter& p, IconPen&)
{
    p.drawRoundedRect(QRectF(7, 7, 10, 10.5), 1.5, 1.5);
    QPainterPath back;
    back.moveTo(13, 4.5);
    back.lineTo(13, 3.5);
    back.quadTo(13, 2.5, 12, 2.5);
    back.lineTo(4, 2.5);
    back.quadTo(3, 2.5, 3, 3.5);
    back.lineTo(3, 12);
    back.quadTo(3, 13, 4, 13);
    back.lineTo(4.5, 13);
    p.drawPath(back);
}

void DrawEdit(QPainter& p, IconPen&)
{
    QPainterPath pencil;
    pencil.moveTo(3.5, 16.5);
    pencil.lineTo(4.3, 12.9);
    pencil.lineTo(13.2, 4.0);
    pencil.quadTo(14.2, 3.0, 15.2, 4.0);
    pencil.lineTo(16.0, 4.8);
    pencil.quadTo(17.0, 5.8, 16.0, 6.8);
    pencil.lineTo(7.1, 15.7);
    pencil.closeSubpath();
    p.drawPath(pencil);
    p.drawLine(QPointF(11.6, 5.6), QPointF(14.4, 8.4));
}

void DrawDelete(QPainter& p, IconPen&)
{
    p.drawLine(QPointF(3.5, 5), QPointF(16.5, 5));
    QPainterPath handle;
    handle.moveTo(7.5, 5);
    handle.lineTo(7.5, 3.2);
    handle.lineTo(12.5, 3.2);
    handle.lineTo(12.5, 5);
    p.drawPath(handle);
    QPainterPath body;
    body.moveTo(5.2, 5);
    body.lineTo(6.1, 16.2);
    body.quadTo(6.2, 17.3, 7.3, 17.3);
    body.lineTo(12.7, 17.3);
    body.quadTo(13.8, 17.3, 13.9, 16.2);
    body.lineTo(14.8, 5);
    p.drawPath(body);
    p.drawLine(QPointF(8.6, 8), QPointF(8.8, 14.3));
    p.drawLine(QPointF(11.4, 8), QPointF(11.2, 14.3));
}

void DrawDeletePoint(QPainter& p, IconPen&)
{
    p.drawLine(QPointF(2, 16), QPointF(6.4, 12.3));
    p.drawLine(QPointF(13.6, 7.7), QPointF(18, 4));
    p.drawEllipse(QPointF(10, 10), 4.6, 4.6);
    p.drawLine(QPointF(8.2, 8.2), QPointF(11.8, 11.8));
    p.drawLine(QPointF(11.8, 8.2), QPointF(8.2, 11.8));
}

void DrawUndo(QPainter& p, bool mirrored)
{
    p.save();
    if (mirrored) {
        p.translate(20, 0);
        p.scale(-1, 1);
    }
    QPainterPath hook;
    hook.moveTo(4.5, 7.5);
    hook.lineTo(11.5, 7.5);
    hook.cubicTo(14.6, 7.5, 16.5, 9.6, 16.5, 12.2);
    hook.cubicTo(16.5, 14.8, 14.6, 16.5, 11.5, 16.5);
    hook.lineTo(8, 16.5);
    p.drawPath(hook);
    ArrowHead(p, QPointF(4, 7.5), QPointF(7.6, 4), QPointF(7.6, 11));
    p.restore();
}

void DrawRename(QPainter& p, IconPen& pen)
{
    QPainterPath field;
    field.moveTo(11, 6);
    field.lineTo(3.5, 6);
    field.quadTo(2.5, 6, 2.5, 7);
    field.lineTo(2.5, 13);
    field.quadTo(2.5, 14, 3.5, 14);
    field.lineTo(11, 14);
    p.drawPath(field);
    QPainterPath fieldEnd;
    fieldEnd.moveTo(16, 6);
    fieldEnd.quadTo(17.5, 6, 17.5, 7);
    fieldEnd.lineTo(17.5, 13);
    fieldEnd.quadTo(17.5, 14, 16, 14);
    p.drawPath(fieldEnd);
    // The text cursor, standing out of the field.
    p.drawLine(QPointF(13.5, 3.5), QPointF(13.5, 16.5));
    p.drawLine(QPointF(11.8, 3), QPointF(15.2, 3));
    p.drawLine(QPointF(11.8, 17), QPointF(15.2, 17));
    pen.Stroke(1.2);
    p.drawLine(QPointF(5.5, 10), QPointF(9, 10));
}

void DrawBack(QPainter& p, IconPen&)
{
    p.drawLine(QPointF(4, 10), QPointF(16.5, 10));
    ArrowHead(p, QPointF(3.5, 10), QPointF(8.5, 5), QPointF(8.5, 15));
}

void DrawReset(QPainter& p, IconPen& pen)
{
    // Turning back around to the start: an open circle whose end carries the arrow, with the
    // starting point marked in the middle.
    QPainterPath arc;
    arc.arcMoveTo(QRectF(3, 3.5, 14, 14), 90);
    arc.arcTo(QRectF(3, 3.5, 14, 14), 90, -300);
    p.drawPath(arc);
    ArrowHead(p, QPointF(10, 3.5), QPointF(6.6, 1.2), QPointF(6.8, 6.3));
    pen.Fill();
    p.drawEllipse(QPointF(10, 10.5), 1.6, 1.6);
    pen.Stroke();
}

void DrawLearn(QPainter& p, IconPen& pen)
{
    const QRectF keys(2.5, 7, 15, 10.5);
    p.drawRoundedRect(keys, 1.5, 1.5);
    p.drawLine(QPointF(7.5, 12.5), QPointF(7.5, 17.5));
    p.drawLine(QPointF(12.5, 12.5), QPointF(12.5, 17.5));
    pen.Fill();
    p.drawRect(QRectF(6.1, 7, 2.8, 5.5));
    p.drawRect(QRectF(11.1, 7, 2.8, 5.5));
    // A spark: the curve is learned from what is played.
    QPainterPath spark;
    spark.moveTo(15.5, 0.6);
    spark.quadTo(15.9, 2.7, 18.0, 3.1);
    spark.quadTo(15.9, 3.5, 15.5, 5.6);
    spark.quadTo(15.1, 3.5, 13.0, 3.1);
    spark.quadTo(15.1, 2.7, 15.5, 0.6);
    p.drawPath(spark);
    pen.Stroke();
}

void DrawClose(QPainter& p, IconPen&)
{
    p.drawLine(QPointF(5, 5), QPointF(15, 15));
    p.drawLine(QPointF(15, 5), QPointF(5, 15));
}

void DrawHelp(QPainter& p, IconPen& pen)
{
    p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
    QPainterPath q;
    q.moveTo(7.6, 8);
    q.cubicTo(7.6, 5.2, 12.4, 5.2, 12.4, 8);
    q.cubicTo(12.4, 9.8, 10, 10, 10, 11.8);
    p.drawPath(q);
    pen.Fill();
    p.drawEllipse(QPointF(10, 14.4), 1.05, 1.05);
    pen.Stroke();
}

void DrawChevron(QPainter& p, bool left)
{
    if (left)
        ArrowHead(p, QPointF(7, 10), QPointF(12, 5), QPointF(12, 15));
    else
        ArrowHead(p, QPointF(13, 10), QPointF(8, 5), QPointF(8, 15));
}

void DrawTouchCurve(QPainter& p, IconPen& pen)
{
    pen.Stroke(0.7);
    p.drawLine(QPointF(2.5, 2), QPointF(2.5, 17.5));
    p.drawLine(QPointF(2.5, 17.5), QPointF(18, 17.5));
    pen.Stroke();
    QPainterPath curve;
    curve.moveTo(2.5, 17.5);
    curve.cubicTo(8.5, 16.8, 10.5, 4.5, 17.5, 3);
    p.drawPath(curve);
    pen.Fill();
    p.drawEllipse(QPointF(9.1, 11.2), 1.9, 1.9);
    pen.Stroke();
}

void DrawOffset(QPainter& p, IconPen& pen)
{
    pen.Fill();
    const qreal heights[] = {4.5, 7.5, 3.0, 9.5, 6.0};
    for (int i = 0; i < 5; ++i) {
        const qreal h = heights[i];
        p.drawRoundedRect(QRectF(2.6 + i * 3.2, 11 - h, 2.2, h), 0.6, 0.6);
    }
    pen.Stroke(0.8);
    p.drawRoundedRect(QRectF(2.2, 13, 15.6, 5), 0.8, 0.8);
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(2.2 + i * 3.12, 13), QPointF(2.2 + i * 3.12, 18));
    pen.Stroke();
}

void DrawMidiPort(QPainter& p, IconPen& pen)
{
    p.drawEllipse(QPointF(10, 10), 8, 8);
    pen.Fill();
    // Five pins on a half circle, the notch at the bottom, as a DIN socket shows them.
    const QPointF pins[] = {{5.0, 10.4}, {6.5, 6.5}, {10, 5.0}, {13.5, 6.5}, {15.0, 10.4}};
    for (const QPointF& pin : pins)
        p.drawEllipse(pin, 1.2, 1.2);
    p.drawRoundedRect(QRectF(8.6, 14.6, 2.8, 2.6), 0.6, 0.6);
    pen.Stroke();
}

void DrawInfo(QPainter& p, IconPen& pen)
{
    p.drawEllipse(QPointF(10, 10), 7.6, 7.6);
    p.drawLine(QPointF(10, 9.2), QPointF(10, 14.2));
    pen.Fill();
    p.drawEllipse(QPointF(10, 6.1), 1.1, 1.1);
    pen.Stroke();
}

void DrawSync(QPainter& p, IconPen&)
{
    QPainterPath upper;
    upper.arcMoveTo(QRectF(3.5, 3.5, 13, 13), 160);
    upper.arcTo(QRectF(3.5, 3.5, 13, 13), 160, -140);
    p.drawPath(upper);
    ArrowHead(p, QPointF(16.3, 7.8), QPointF(13.2, 7.3), QPointF(16.9, 4.4));
    QPainterPath lower;
    lower.arcMoveTo(QRectF(3.5, 3.5, 13, 13), -20);
    lower.arcTo(QRectF(3.5, 3.5, 13, 13), -20, -140);
    p.drawPath(lower);
    ArrowHead(p, QPointF(3.7, 12.2), QPointF(6.8, 12.7), QPointF(3.1, 15.6));
}

void DrawDemo(QPainter& p, IconPen& pen)
{
    QPainterPath play;
    play.moveTo(6.5, 4.2);
    play.lineTo(15.8, 10);
    play.lineTo(6.5, 15.8);
    play.closeSubpath();
    pen.Fill();
    p.drawPath(play);
    pen.Stroke();
}

void DrawManual(QPainter& p, IconPen&)
{
    QPainterPath left;
    left.moveTo(10, 5.5);
    left.cubicTo(8, 4, 5, 3.8, 2.5, 4.5);
    left.lineTo(2.5, 15.5);
    left.cubicTo(5, 14.8, 8, 15, 10, 16.5);
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(10, 5.5);
    right.cubicTo(12, 4, 15, 3.8, 17.5, 4.5);
    right.lineTo(17.5, 15.5);
    right.cubicTo(15, 14.8, 12, 15, 10, 16.5);
    p.drawPath(right);
    p.drawLine(QPointF(10, 5.5), QPointF(10, 16.5));
}

void DrawLock(QPainter& p, IconPen& pen)
{
    QPainterPath shackle;
    shackle.moveTo(6.5, 9);
    shackle.lineTo(6.5, 6.5);
    shackle.cubicTo(6.5, 2.2, 13.5, 2.2, 13.5, 6.5);
    shackle.lineTo(13.5, 9);
    p.drawPath(shackle);
    pen.Fill();
    p.drawRoundedRect(QRectF(4, 8.6, 12, 9), 1.6, 1.6);
    pen.Stroke();
}

void DrawKeyboard(QPainter& p, IconPen& pen)
{
    p.drawRoundedRect(QRectF(1.5, 5, 17, 11), 1.4, 1.4);
    pen.Stroke(0.75);
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(1.5 + i * 3.4, 10.5), QPointF(1.5 + i * 3.4, 16));
    pen.Fill();
    for (const qreal x : {3.9, 7.3, 12.4, 15.8})
        p.drawRect(QRectF(x - 0.2, 5, 1.9, 5.5));
    pen.Stroke();
}

void DrawComputer(QPainter& p, IconPen&)
{
    p.drawRoundedRect(QRectF(2, 3.5, 16, 10.5), 1.4, 1.4);
    p.drawLine(QPointF(10, 14), QPointF(10, 16.8));
    p.drawLine(QPointF(6.5, 17), QPointF(13.5, 17));
}

void DrawUsb(QPainter& p, IconPen& pen)
{
    p.drawLine(QPointF(10, 3.5), QPointF(10, 15.5));
    ArrowHead(p, QPointF(10, 2), QPointF(8, 4.6), QPointF(12, 4.6));
    QPainterPath left;
    left.moveTo(10, 12.5);
    left.lineTo(5.5, 9.8);
    left.lineTo(5.5, 7.5);
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(10, 10.8);
    right.lineTo(14.5, 8.2);
    right.lineTo(14.5, 6.5);
    p.drawPath(right);
    pen.Fill();
    p.drawEllipse(QPointF(5.5, 6.5), 1.5, 1.5);
    p.drawRect(QRectF(13.2, 4.2, 2.6, 2.6));
    p.drawEllipse(QPointF(10, 16.5), 2, 2);
    pen.Stroke();
}

void DrawDownload(QPainter& p, IconPen&)
{
    p.drawLine(QPointF(10, 2.5), QPointF(10, 12.5));
    ArrowHead(p, QPointF(10, 13), QPointF(5.8, 8.8), QPointF(14.2, 8.8));
    QPainterPath tray;
    tray.moveTo(3, 13.5);
    tray.lineTo(3, 16);
    tray.quadTo(3, 17.5, 4.5, 17.5);
    tray.lineTo(15.5, 17.5);
    tray.quadTo(17, 17.5, 17, 16);
    tray.lineTo(17, 13.5);
    p.drawPath(tray);
}

void DrawPower(QPainter& p, IconPen&)
{
    QPainterPath ring;
    ring.arcMoveTo(QRectF(3, 3.5, 14, 14), 55);
    ring.arcTo(QRectF(3, 3.5, 14, 14), 55, -290);
    p.drawPath(ring);
    p.drawLine(QPointF(10, 2), QPointF(10, 9.5));
}

void DrawSwap(QPainter& p, IconPen&)
{
    p.drawLine(QPointF(4, 7), QPointF(15.5, 7));
    ArrowHead(p, QPointF(16, 7), QPointF(12.8, 4), QPointF(12.8, 10));
    p.drawLine(QPointF(16, 13), QPointF(4.5, 13));
    ArrowHead(p, QPointF(4, 13), QPointF(7.2, 10), QPointF(7.2, 16));
}
} // namespace

void DrawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& colour, qreal strokePixels)
{
    const qreal scale = box.width() / 20.0;
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    IconPen pen(painter, colour, strokePixels / scale);
    QPainter& p = painter;
    switch (icon) {
    case Icon::New: DrawNew(p, pen); break;
    case Icon::Duplicate: DrawDuplicate(p, pen); break;
    case Icon::Edit: DrawEdit(p, pen); break;
    case Icon::Delete: DrawDelete(p, pen); break;
    case Icon::DeletePoint: DrawDeletePoint(p, pen); break;
    case Icon::Undo: DrawUndo(p, false); break;
    case Icon::Redo: DrawUndo(p, true); break;
    case Icon::Rename: DrawRename(p, pen); break;
    case Icon::Back: DrawBack(p, pen); break;
    case Icon::Reset: DrawReset(p, pen); break;
    case Icon::Learn: DrawLearn(p, pen); break;
    case Icon::Close: DrawClose(p, pen); break;
    case Icon::Help: DrawHelp(p, pen); break;
    case Icon::Previous: DrawChevron(p, true); break;
    case Icon::Next: DrawChevron(p, false); break;
    case Icon::TouchCurve: DrawTouchCurve(p, pen); break;
    case Icon::Offset: DrawOffset(p, pen); break;
    case Icon::Setting: DrawMidiPort(p, pen); break;
    case Icon::Info: DrawInfo(p, pen); break;
    case Icon::Sync: DrawSync(p, pen); break;
    case Icon::Demo: DrawDemo(p, pen); break;
    case Icon::Manual: DrawManual(p, pen); break;
    case Icon::Lock: DrawLock(p, pen); break;
    case Icon::Keyboard: DrawKeyboard(p, pen); break;
    case Icon::MidiPort: DrawMidiPort(p, pen); break;
    case Icon::Computer: DrawComputer(p, pen); break;
    case Icon::Usb: DrawUsb(p, pen); break;
    case Icon::Download: DrawDownload(p, pen); break;
    case Icon::Power: DrawPower(p, pen); break;
    case Icon::Swap: DrawSwap(p, pen); break;
    }
    painter.restore();
}
} // namespace skin
