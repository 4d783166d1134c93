#include "SkinBackgrounds.h"

#include "SkinCanvas.h"

#include <QPainterPath>

namespace skin
{
namespace
{
QImage Opaque(QImage image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// A strip of piano keys, faded toward the right so it sits behind content as a quiet motif.
void KeyStrip(QPainter& p, const QRectF& area, const QColor& line, const QColor& black)
{
    const qreal w = 15;
    p.save();
    p.setClipRect(area);
    const int count = static_cast<int>(area.width() / w) + 1;
    p.setPen(QPen(line, 1));
    for (int i = 0; i <= count; ++i)
        p.drawLine(QPointF(area.left() + i * w + 0.5, area.top()), QPointF(area.left() + i * w + 0.5, area.bottom()));
    p.drawLine(QPointF(area.left(), area.top() + 0.5), QPointF(area.right(), area.top() + 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    // Black keys after white keys 0, 1, 3, 4, 5 of every octave.
    for (int i = 0; i < count; ++i) {
        const int inOctave = i % 7;
        if (inOctave == 2 || inOctave == 6)
            continue;
        p.drawRect(QRectF(area.left() + (i + 1) * w - 4.5, area.top(), 9, area.height() * 0.6));
    }
    p.restore();
}

void Fade(QPainter& p, const QRectF& area, const QColor& to)
{
    QLinearGradient fade(area.topLeft(), area.topRight());
    fade.setColorAt(0, WithAlpha(to, 0));
    fade.setColorAt(1, to);
    p.fillRect(area, fade);
}

void TitleBand(QPainter& p, const QRectF& band)
{
    p.fillRect(band, Vertical(band, QColor(0x36, 0x36, 0x36), QColor(0x22, 0x22, 0x22)));
    p.fillRect(QRectF(band.left(), band.bottom(), band.width(), 2), kAccent);
}
} // namespace

QImage LearningCard()
{
    return Opaque(Single(QSize(410, 165), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, Vertical(r, QColor(0xFB, 0xFB, 0xFB), QColor(0xEC, 0xEC, 0xEC)));
        const QRectF keys(0, 132, r.width(), 33);
        p.fillRect(keys, QColor(0xFF, 0xFF, 0xFF));
        KeyStrip(p, keys, QColor(0xD6, 0xD6, 0xD6), QColor(0xCE, 0xCE, 0xCE));
        QLinearGradient veil(keys.topLeft(), keys.bottomLeft());
        veil.setColorAt(0, QColor(0xEE, 0xEE, 0xEE, 200));
        veil.setColorAt(1, QColor(0xEE, 0xEE, 0xEE, 40));
        p.fillRect(keys, veil);
        p.fillRect(QRectF(0, 0, r.width(), 3), kAccent);
        p.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }));
}

QImage AboutBackground()
{
    return Opaque(Single(QSize(320, 200), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, Vertical(r, QColor(0xFA, 0xFA, 0xFA), QColor(0xE6, 0xE6, 0xE6)));
        // The dialog is 209 high: the band under y 180 there is the band under y 172 here.
        const QRectF band(0, 172, r.width(), r.height() - 172);
        p.fillRect(band, Vertical(band, QColor(0x34, 0x34, 0x34), QColor(0x22, 0x22, 0x22)));
        p.fillRect(QRectF(0, 172, r.width(), 1), QColor(0x14, 0x14, 0x14));
        p.fillRect(QRectF(0, 0, 3, 172), kAccent);
    }));
}

QImage ConnectBackground()
{
    return Opaque(Single(QSize(320, 248), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, Vertical(r, QColor(0xF7, 0xF7, 0xF7), QColor(0xE2, 0xE2, 0xE2)));
        TitleBand(p, QRectF(0, 0, r.width(), 30));
        p.setFont(Font(13, QFont::DemiBold));
        p.setPen(Qt::white);
        p.drawText(QRectF(12, 0, 104, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QJX Editor"));
        p.fillRect(QRectF(110, 8, 1, 14), QColor(255, 255, 255, 50));
        // The instrument, waiting to be plugged in, under the text and left of the buttons.
        const QRectF keys(14, 190, 236, 44);
        p.fillRect(keys, QColor(0xFA, 0xFA, 0xFA));
        KeyStrip(p, keys, QColor(0xCC, 0xCC, 0xCC), QColor(0xC6, 0xC6, 0xC6));
        p.setPen(QPen(QColor(0xC4, 0xC4, 0xC4), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(keys.adjusted(-0.5, -6.5, 0.5, 0.5));
        p.fillRect(QRectF(keys.left(), keys.top() - 6, keys.width(), 6), QColor(0xD8, 0xD8, 0xD8));
        Fade(p, QRectF(keys.left() - 1, keys.top() - 7, keys.width() + 2, keys.height() + 8), QColor(0xE6, 0xE6, 0xE6));
    }));
}

QImage SyncBackground()
{
    return Opaque(Single(QSize(318, 179), [](QPainter& p, const QRectF& r) {
        p.fillRect(r, Vertical(r, QColor(0x35, 0x35, 0x35), QColor(0x1C, 0x1C, 0x1C)));
        p.fillRect(QRectF(0, 0, r.width(), 2), kAccent);
        // A quiet touch curve behind the status, the thing being read from the instrument.
        const QRectF plot(24, 62, 270, 84);
        p.setPen(QPen(QColor(255, 255, 255, 14), 1));
        for (int i = 0; i <= 4; ++i) {
            const qreal y = plot.top() + i * plot.height() / 4 + 0.5;
            p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        QPainterPath curve;
        curve.moveTo(plot.bottomLeft());
        curve.cubicTo(QPointF(plot.left() + 95, plot.bottom() - 6), QPointF(plot.left() + 150, plot.top() + 6), plot.topRight());
        QPainterPath area = curve;
        area.lineTo(plot.bottomRight());
        area.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x00, 0xAA, 0xDD, 28));
        p.drawPath(area);
        p.setPen(QPen(QColor(0x00, 0xAA, 0xDD, 90), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
    }));
}

QImage OverlayBackground()
{
    return Opaque(Single(QSize(48, 48), [](QPainter& p, const QRectF& r) {
        QRadialGradient vignette(r.center(), 34);
        vignette.setColorAt(0, QColor(0x24, 0x2A, 0x30));
        vignette.setColorAt(1, QColor(0x0A, 0x0C, 0x0E));
        p.fillRect(r, vignette);
    }));
}
} // namespace skin
