#pragma once

#include "EdImg.h"

#include <QAbstractButton>

// A button drawn from a horizontal strip of frames: normal, active, highlighted, disabled.
// Which states a strip can show depends on its frame count, so the setters ignore states the
// strip has no frame for. The enabled look is only a look: the button keeps sending clicked().
class CEdImgButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CEdImgButton(QWidget* parent = nullptr);

    virtual void Draw(QPainter& painter);
    //! Loads the strip and splits it into frameCount frames (at least one).
    virtual bool LoadImages(unsigned id, int frameCount);
    virtual void SetActive(bool active);
    virtual void SetEnabledLook(bool enabledLook);
    virtual void SetHighlight(bool highlighted);
    virtual bool IsActive() const { return m_active; }
    virtual bool IsEnabledLook() const { return m_enabledLook; }
    virtual bool IsHighlighted() const { return m_highlighted; }
    //! (0, 0, frame width, image height); empty without an image.
    virtual QRect GetFrameRect() const;

    QSize sizeHint() const override { return GetFrameRect().size(); }
    int GetFrameCount() const { return m_frameCount; }

protected:
    //! The frame Draw shows for the current state.
    virtual int CurrentFrame() const;
    void DrawFrame(QPainter& painter, int index) const;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    CEdImg m_image;
    bool m_highlighted = false;
    bool m_active = false;
    bool m_enabledLook = true;
    bool m_tracking = false;
    int m_frameCount = 1;
};
