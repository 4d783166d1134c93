#include "EdTextStatic.h"

#include "EdUiFont.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

CEdTextStatic::CEdTextStatic(QWidget* parent)
    : QWidget(parent)
{
}

void CEdTextStatic::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

QRect CEdTextStatic::CalcTextRect() const
{
    const QFontMetricsF metrics(EdUiFontPoints(m_fontSize), this);
    const QRectF needed = metrics.boundingRect(QRectF(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                                               m_text + QStringLiteral("WW"));
    return {0, 0, static_cast<int>(std::ceil(needed.width())), static_cast<int>(std::ceil(needed.height()))};
}

void CEdTextStatic::Draw(QPainter& painter)
{
    if (m_text.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(EdUiFontPoints(m_fontSize));
    painter.setPen(QColor::fromRgba(m_textColor));
    painter.drawText(QRectF(rect()), Qt::AlignLeft | Qt::AlignTop, m_text);
}

void CEdTextStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Draw(painter);
}

void CEdTextStatic::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
