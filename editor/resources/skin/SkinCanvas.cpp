#include "SkinCanvas.h"

#include "EdUiFont.h"

#include <array>

namespace skin
{
QColor MemoryColour(int memory)
{
    static const std::array<QColor, 5> colours{
        QColor(0x00, 0x99, 0xFF), // blue, the accent
        QColor(0x1F, 0xB5, 0x6E), // green
        QColor(0xF2, 0x9D, 0x17), // amber
        QColor(0xE5, 0x48, 0x5F), // coral red
        QColor(0x8B, 0x6A, 0xEE), // violet
    };
    return colours.at(static_cast<std::size_t>(memory));
}

QImage NewImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage Strip(QSize frameSize, int frameCount, const FramePainter& paint)
{
    QImage image = NewImage(frameSize.width() * frameCount, frameSize.height());
    QPainter painter(&image);
    Prepare(painter);
    const QRectF frame(0, 0, frameSize.width(), frameSize.height());
    for (int i = 0; i < frameCount; ++i) {
        painter.save();
        painter.translate(i * frameSize.width(), 0);
        painter.setClipRect(frame);
        paint(painter, frame, i);
        painter.restore();
    }
    return image;
}

QImage Single(QSize size, const std::function<void(QPainter&, const QRectF&)>& paint)
{
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    Prepare(painter);
    paint(painter, QRectF(0, 0, size.width(), size.height()));
    return image;
}

QFont Font(qreal pixels, QFont::Weight weight)
{
    QFont font(EdUiFontFamily());
    font.setPixelSize(static_cast<int>(pixels));
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QColor WithAlpha(QColor colour, qreal alpha)
{
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}
} // namespace skin
