#pragma once

#include <QPainter>
#include <QRect>

class QWidget;

// The painter a paint handler draws everything through, made on the stack for one paint.
// Qt's backing store already composes each paint off-screen and shows it at once, so this only
// sets up the painter: clipped to the area being painted, that area cleared to the widget's
// background colour, antialiasing on.
class C3PMemDC
{
public:
    C3PMemDC(QWidget* target, const QRect& paintRect);
    C3PMemDC(const C3PMemDC&) = delete;
    C3PMemDC& operator=(const C3PMemDC&) = delete;

    QPainter& Painter() { return m_painter; }
    QPainter* operator->() { return &m_painter; }
    //! The area being painted, in the target's coordinates.
    const QRect& GetRect() const { return m_rect; }

private:
    QPainter m_painter;
    QRect m_rect;
};
