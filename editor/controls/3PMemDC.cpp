#include "3PMemDC.h"

#include <QWidget>

C3PMemDC::C3PMemDC(QWidget* target, const QRect& paintRect)
    : m_painter(target)
    , m_rect(paintRect.intersected(target->rect()))
{
    m_painter.setClipRect(m_rect);
    m_painter.fillRect(m_rect, target->palette().color(target->backgroundRole()));
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
}
