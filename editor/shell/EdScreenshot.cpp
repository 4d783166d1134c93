#include "EdScreenshot.h"

#include "LightBoxDlg.h"

#include <QDialog>
#include <QPainter>

QImage EdGrabWindowWithDialog(QWidget* frame, QDialog* dialog)
{
    QImage image = frame->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!dialog)
        return image;
    QPainter p(&image);
    CLightBoxDlg overlay(nullptr);
    overlay.resize(frame->size());
    overlay.render(&p);
    const QPoint at = dialog->mapToGlobal(QPoint(0, 0)) - frame->mapToGlobal(QPoint(0, 0));
    p.drawImage(at, dialog->grab().toImage());
    return image;
}
