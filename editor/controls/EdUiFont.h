#pragma once

#include <QFont>
#include <QString>

// The one family every text of the editor uses: "Segoe UI" when the font database has it, else
// "Arial". A font is made with that single family, because fontconfig's Arial alias is only
// honoured for a font's first family.
QString EdUiFontFamily();

QFont EdUiFontPoints(qreal points);
QFont EdUiFontPixels(int pixels);
