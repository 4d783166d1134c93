#pragma once

#include "SkinIcons.h"

#include <QImage>
#include <QString>

// Button strips. Frames run left to right: normal, active, highlighted, disabled.
namespace skin
{
enum Frame
{
    kNormal = 0,
    kActive = 1,
    kHighlighted = 2,
    kDisabled = 3,
};

//! A tile of the dark toolbar (30 x 30 frames, four of them).
QImage ToolbarButton(Icon icon);
//! A light key with a number: presets (active in the memory's colour) and channels.
QImage LabelKey(const QString& label, const QColor& activeColour);
//! A screen button of the menu strip (45 x 45 frames).
QImage MenuTab(Icon icon);
//! A round light button (previous and next page, manual).
QImage RoundButton(Icon icon, QSize frame);
//! An icon alone on the light footer (information).
QImage FlatIcon(Icon icon, QSize frame, qreal iconSize);
//! A button of the connect dialog: an icon over a short caption; primary ones are filled.
QImage DialogButton(Icon icon, const QString& caption, bool primary);
//! The update button of the About dialog.
QImage UpdateButton(const QString& caption);
//! The small up or down arrow beside a pedal's value box.
QImage SpinArrow(bool up, QSize frame);
//! A routing switch: a wire from the destination, the switch, the source's icon and name.
QImage RoutingSwitch(Icon source, const QString& label);
//! The start-up check box: unchecked and checked.
QImage CheckBox();
} // namespace skin
