#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <functional>

// The palette of the skin; docs/skin.md explains where each colour goes.
namespace skin
{
inline const QColor kAccent{0x00, 0x99, 0xFF};
inline const QColor kAccentLight{0x33, 0xB1, 0xFF};
inline const QColor kAccentDark{0x00, 0x7A, 0xD6};

// Dark surfaces: toolbar tiles, value boxes, name bars, dialog title bands.
inline const QColor kDarkTop{0x3A, 0x3A, 0x3A};
inline const QColor kDarkBottom{0x2A, 0x2A, 0x2A};
inline const QColor kDarkHoverTop{0x4C, 0x4C, 0x4C};
inline const QColor kDarkHoverBottom{0x3A, 0x3A, 0x3A};
inline const QColor kDarkPressedTop{0x1C, 0x1C, 0x1C};
inline const QColor kDarkPressedBottom{0x26, 0x26, 0x26};
inline const QColor kDarkEdge{0x1A, 0x1A, 0x1A};
inline const QColor kIconOnDark{0xD8, 0xD8, 0xD8};

// Light surfaces: keys on the light window backgrounds.
inline const QColor kKeyTop{0xFF, 0xFF, 0xFF};
inline const QColor kKeyBottom{0xE8, 0xE8, 0xE8};
inline const QColor kKeyBorder{0xB4, 0xB4, 0xB4};
inline const QColor kKeyHoverBottom{0xE9, 0xF5, 0xFF};
inline const QColor kInk{0x4A, 0x4A, 0x4A};
inline const QColor kInkSoft{0x6E, 0x6E, 0x6E};

// One colour per user memory: the power indicator and the active preset button share it.
QColor MemoryColour(int memory);

// A frame's drawing: the painter is translated to the frame's top left and clipped to it.
using FramePainter = std::function<void(QPainter& painter, const QRectF& frame, int index)>;

QImage NewImage(int width, int height);
//! An image of frameCount frames of frameSize side by side, each drawn by paint.
QImage Strip(QSize frameSize, int frameCount, const FramePainter& paint);
//! An image drawn in one go.
QImage Single(QSize size, const std::function<void(QPainter&, const QRectF&)>& paint);

void Prepare(QPainter& painter);
QFont Font(qreal pixels, QFont::Weight weight = QFont::Normal);
QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom);
QColor WithAlpha(QColor colour, qreal alpha);
} // namespace skin
