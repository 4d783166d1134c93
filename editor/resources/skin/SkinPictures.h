#pragma once

#include "SkinIcons.h"

#include <QImage>
#include <QString>

// Pictures and the small pieces windows stretch: no states, except the power strip's five.
namespace skin
{
//! Five power symbols, one per user memory, in the memories' colours (30 x 30 each).
QImage PowerStrip();
//! The head of a routing column: a connector and its name on a light card.
QImage Destination(Icon connector, const QString& name);
//! Three pedals with the one at index (0 left, 1 centre, 2 right) picked out.
QImage Pedals(int picked);
//! The dark box a pedal's CC number is written in.
QImage ValueBox();
//! The marker of a curve that cannot be changed.
QImage LockMarker();
//! The warning shown while the instrument's firmware is written.
QImage Warning();
//! The curve plot's shaded backdrop with its grid (the curve editor draws its own today).
QImage PlotBackdrop();
//! Vertical toolbar groove, toolbar fill, engraved rule and the other thin strips.
QImage ToolbarSeparator();
QImage ToolbarFill();
QImage Rule();
QImage Hairline();
QImage ProgressFill();
QImage ProgressRest();
} // namespace skin
