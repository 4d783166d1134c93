#pragma once

#include <QImage>
#include <QString>

// Pixel comparison for widget tests; both images are compared as premultiplied ARGB.
inline bool SameImage(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
           b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

inline bool IsFullyTransparent(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 0)
                return false;
    return true;
}

inline QImage TransparentCanvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}
