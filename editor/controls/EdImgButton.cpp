#include "EdImgButton.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

CEdImgButton::CEdImgButton(QWidget* parent)
    : QAbstractButton(parent)
{
    // Hover is noticed on mouse moves, as the highlight follows the pointer's first move over it.
    setMouseTracking(true);
    // Keys belong to the windows (their shortcuts and key handlers), never to a skin button.
    setFocusPolicy(Qt::NoFocus);
}

bool CEdImgButton::LoadImages(unsigned id, int frameCount)
{
    const bool loaded = m_image.LoadFromResource(id);
    m_frameCount = std::max(frameCount, 1);
    update();
    return loaded;
}

void CEdImgButton::SetActive(bool active)
{
    if (m_frameCount != 1)
        m_active = active;
}

void CEdImgButton::SetEnabledLook(bool enabledLook)
{
    if (m_frameCount > 3)
        m_enabledLook = enabledLook;
}

void CEdImgButton::SetHighlight(bool highlighted)
{
    if (m_frameCount > 2)
        m_highlighted = highlighted;
}

QRect CEdImgButton::GetFrameRect() const
{
    if (m_image.IsNull())
        return {};
    return {0, 0, m_image.GetWidth() / m_frameCount, m_image.GetHeight()};
}

int CEdImgButton::CurrentFrame() const
{
    if (!m_enabledLook)
        return 3;
    if (m_active)
        return 1;
    if (m_highlighted && m_frameCount > 2)
        return 2;
    return 0;
}

void CEdImgButton::DrawFrame(QPainter& painter, int index) const
{
    // A state set before a smaller strip was loaded must not reach past the strip's end.
    index = std::min(index, m_frameCount - 1);
    const QRect frame = GetFrameRect();
    if (frame.isEmpty())
        return;
    m_image.Draw(painter, frame, frame.translated(index * frame.width(), 0));
}

void CEdImgButton::Draw(QPainter& painter)
{
    DrawFrame(painter, CurrentFrame());
}

void CEdImgButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Draw(painter);
}

void CEdImgButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_tracking) {
        // The hover is a plain assignment: windows may clear it, and it stays cleared until the
        // pointer has left and come back.
        m_tracking = true;
        m_highlighted = true;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CEdImgButton::leaveEvent(QEvent* event)
{
    m_highlighted = false;
    m_tracking = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CEdImgButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Two quick clicks are two clicks, never a double click.
    mousePressEvent(event);
}
