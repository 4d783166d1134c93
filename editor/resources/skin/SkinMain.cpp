// Draws every skin image into a folder and writes the resource list rcc compiles.
//   tovin_skin_render <folder> <id>...
// The ids are the build's list; they must match the catalogue exactly.

#include "EdUiFont.h"
#include "SkinCatalogue.h"

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <set>

namespace
{
int Fail(const QString& message)
{
    std::fprintf(stderr, "tovin_skin_render: %s\n", qPrintable(message));
    return 1;
}

// The skin bakes text into images: a fallback to some other face would ship silently.
bool FontIsTheEditors()
{
    const QString resolved = QFontInfo(QFont(EdUiFontFamily())).family();
    return resolved == QLatin1String("Segoe UI") || resolved == QLatin1String("Arial") ||
           resolved == QLatin1String("Liberation Sans");
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return Fail(QStringLiteral("usage: tovin_skin_render <folder> <id>..."));
    if (!FontIsTheEditors())
        return Fail(QStringLiteral("\"%1\" resolves to \"%2\"; install fonts-liberation (scripts/install-deps)")
                        .arg(EdUiFontFamily(), QFontInfo(QFont(EdUiFontFamily())).family()));

    const QString folder = QString::fromLocal8Bit(argv[1]);
    std::set<unsigned> wanted;
    for (int i = 2; i < argc; ++i)
        wanted.insert(QString::fromLocal8Bit(argv[i]).toUInt());

    std::set<unsigned> drawn;
    QString qrc;
    QTextStream list(&qrc);
    list << "<RCC>\n  <qresource prefix=\"/skin\">\n";
    for (const skin::Entry& entry : skin::Catalogue()) {
        const QImage image = entry.draw();
        if (image.size() != entry.size)
            return Fail(QStringLiteral("%1 is %2 x %3, not %4 x %5")
                            .arg(entry.id)
                            .arg(image.width())
                            .arg(image.height())
                            .arg(entry.size.width())
                            .arg(entry.size.height()));
        const QString name = QStringLiteral("%1.png").arg(entry.id);
        if (!image.save(folder + QLatin1Char('/') + name, "PNG"))
            return Fail(QStringLiteral("cannot write %1/%2").arg(folder, name));
        drawn.insert(entry.id);
        list << "    <file>" << name << "</file>\n";
    }
    list << "  </qresource>\n</RCC>\n";
    if (drawn != wanted)
        return Fail(QStringLiteral("the build's id list and the catalogue differ"));

    QFile file(folder + QStringLiteral("/skin.qrc"));
    if (!file.open(QIODevice::WriteOnly) || file.write(qrc.toUtf8()) < 0)
        return Fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    return 0;
}
