#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace skin
{
// Line icons on a 20 x 20 design grid, scaled into any square box. Strokes keep their width in
// pixels whatever the scale, so small and large icons read with the same weight.
enum class Icon
{
    New,
    Duplicate,
    Edit,
    Delete,
    DeletePoint,
    Undo,
    Redo,
    Rename,
    Back,
    Reset,
    Learn,
    Close,
    Help,
    Previous,
    Next,
    TouchCurve,
    Offset,
    Setting,
    Info,
    Sync,
    Demo,
    Manual,
    Lock,
    Keyboard,
    MidiPort,
    Computer,
    Usb,
    Download,
    Power,
    Swap,
};

void DrawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& colour, qreal strokePixels = 1.6);
} // namespace skin
