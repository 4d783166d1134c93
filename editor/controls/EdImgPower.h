#pragma once

#include "EdImg.h"

#include <QWidget>

// The memory indicator: a strip of five pictures, one shown at a time.
class CEdImgPower : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kFrameCount = 5;

    explicit CEdImgPower(QWidget* parent = nullptr);

    virtual void Draw(QPainter& painter);
    virtual bool LoadImage(unsigned id);
    //! Stores the index as given; an index outside 0-4 draws nothing.
    virtual void SetFrame(int index) { m_frame = index; }
    //! (0, 0, image width / 5, image height); empty without an image.
    virtual QRect GetFrameRect() const;

    int GetFrame() const { return m_frame; }
    void SetNotify(bool notify);
    QSize sizeHint() const override { return GetFrameRect().size(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CEdImg m_image;
    int m_frame = 0;
};
