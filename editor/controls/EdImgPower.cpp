#include "EdImgPower.h"

#include <QMouseEvent>
#include <QPainter>

CEdImgPower::CEdImgPower(QWidget* parent)
    : QWidget(parent)
{
    SetNotify(false);
}

void CEdImgPower::SetNotify(bool notify)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, !notify);
}

bool CEdImgPower::LoadImage(unsigned id)
{
    const bool loaded = m_image.LoadFromResource(id);
    update();
    return loaded;
}

QRect CEdImgPower::GetFrameRect() const
{
    if (m_image.IsNull())
        return {};
    return {0, 0, m_image.GetWidth() / kFrameCount, m_image.GetHeight()};
}

void CEdImgPower::Draw(QPainter& painter)
{
    if (m_frame < 0 || m_frame >= kFrameCount)
        return;
    const QRect frame = GetFrameRect();
    m_image.Draw(painter, frame, frame.translated(m_frame * frame.width(), 0));
}

void CEdImgPower::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Draw(painter);
}

void CEdImgPower::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
