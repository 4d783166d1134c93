#pragma once

#include <QImage>

// Opaque backgrounds: the dialogs', the learning card and the dimmed overlay's. Dialogs stretch
// them a little (320 wide to 326), so they hold no circles or text that would show it.
namespace skin
{
QImage LearningCard();
QImage AboutBackground();
QImage ConnectBackground();
QImage SyncBackground();
QImage OverlayBackground();
} // namespace skin
