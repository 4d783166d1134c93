#pragma once

#include <QImage>

class QDialog;
class QWidget;

// The main window as the user sees it with a modal dialog open: the window, dimmed by the
// overlay, and the dialog on top where it stands. Without a dialog, the window alone.
QImage EdGrabWindowWithDialog(QWidget* frame, QDialog* dialog);
