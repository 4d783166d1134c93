#include "EdImgPicture.h"

#include <QMouseEvent>
#include <QPainter>

CEdImgPicture::CEdImgPicture(QWidget* parent)
    : QWidget(parent)
{
    SetNotify(false);
}

void CEdImgPicture::SetNotify(bool notify)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, !notify);
}

void CEdImgPicture::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

bool CEdImgPicture::LoadImage(unsigned id)
{
    const bool loaded = m_image.LoadFromResource(id);
    update();
    return loaded;
}

QRect CEdImgPicture::GetImageRect() const
{
    if (m_image.IsNull())
        return {};
    return {0, 0, m_image.GetWidth(), m_image.GetHeight()};
}

void CEdImgPicture::Draw(QPainter& painter)
{
    // Thin rules and panels are stretched from 2-pixel images: smooth scaling keeps them even.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_image.Draw(painter, rect(), GetImageRect());
}

void CEdImgPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Draw(painter);
}

void CEdImgPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
