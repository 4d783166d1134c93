#include "EdImgText.h"

#include "EdUiFont.h"

#include <QFontMetricsF>
#include <QPainter>

void CEdImgText::Draw(QPainter& painter)
{
    CEdImgPicture::Draw(painter);
    if (text().isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = EdUiFontPoints(kFontPoints);
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(kTextColor));
    // The right edge stays where it is, so a cut name still shows its ellipsis.
    const QRectF box = QRectF(rect()).adjusted(kTextInset, 0, 0, 0);
    const QString shown = QFontMetricsF(font, this).elidedText(text(), Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}
