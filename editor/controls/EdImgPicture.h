#pragma once

#include "EdImg.h"

#include <QWidget>

// A picture stretched over the control. Without click notification it is transparent for the
// mouse, so clicks reach the window beneath; with it, it sends clicked().
class CEdImgPicture : public QWidget
{
    Q_OBJECT

public:
    explicit CEdImgPicture(QWidget* parent = nullptr);

    virtual void Draw(QPainter& painter);
    virtual bool LoadImage(unsigned id);
    //! (0, 0, image width, image height); empty without an image.
    virtual QRect GetImageRect() const;

    void SetNotify(bool notify);
    void setText(const QString& text);
    QString text() const { return m_text; }
    QSize sizeHint() const override { return GetImageRect().size(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    CEdImg m_image;

private:
    QString m_text;
};
