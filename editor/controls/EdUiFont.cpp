#include "EdUiFont.h"

#include <QFontDatabase>

QString EdUiFontFamily()
{
    static const QString family =
        QFontDatabase::hasFamily(QStringLiteral("Segoe UI")) ? QStringLiteral("Segoe UI") : QStringLiteral("Arial");
    return family;
}

QFont EdUiFontPoints(qreal points)
{
    QFont font(EdUiFontFamily());
    font.setPointSizeF(points);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont EdUiFontPixels(int pixels)
{
    QFont font(EdUiFontFamily());
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
