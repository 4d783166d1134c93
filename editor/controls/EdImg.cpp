#include "EdImg.h"

#include "EdSkinResources.h"

#include <QFile>
#include <QPainter>

QString CEdImg::ResourcePath(unsigned id)
{
    return QStringLiteral(":/skin/%1.png").arg(id);
}

bool CEdImg::LoadFromResource(unsigned id)
{
    EdInitSkinResources();
    m_image = QImage();
    QFile file(ResourcePath(id));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return false;
    QImage decoded;
    if (!decoded.loadFromData(bytes, "PNG") || decoded.isNull())
        return false;
    m_image = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return true;
}

void CEdImg::Draw(QPainter& painter, const QRect& dest, const QRect& src) const
{
    if (m_image.isNull() || dest.isEmpty() || src.isEmpty())
        return;
    painter.drawImage(dest, m_image, src);
}
