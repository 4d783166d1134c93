#include "EdProfile.h"

#include <QSettings>
#include <QStringList>

namespace {
const QString kGroup = QStringLiteral("1.0/Tovin");
constexpr int kPlacementLength = 44; // the size of the placement record the text has always carried
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;

QSettings Profile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ZELVO"), QStringLiteral("QJX1 Editor"));
}
} // namespace

QString CEdProfile::FormatPlacement(const QRect& r, bool minimized)
{
    const int fields[11] = {kPlacementLength, 0, minimized ? kShowMinimized : kShowNormal, -1, -1, -1, -1,
                            r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    QString text = QStringLiteral("(");
    for (int field : fields)
        text += QString::number(field) + QLatin1Char(',');
    return text + QLatin1Char(')');
}

std::optional<QRect> CEdProfile::ParsePlacement(const QString& text)
{
    if (text.size() < 2 || !text.startsWith(QLatin1Char('(')))
        return std::nullopt;
    const QStringList parts = text.mid(1).split(QLatin1Char(','));
    if (parts.size() < 12)
        return std::nullopt;
    int fields[11];
    for (int i = 0; i < 11; ++i) {
        bool ok = false;
        fields[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return QRect(QPoint(fields[7], fields[8]), QPoint(fields[9] - 1, fields[10] - 1));
}

std::optional<QRect> CEdProfile::ReadPlacement()
{
    QSettings profile = Profile();
    profile.beginGroup(kGroup);
    const QVariant value = profile.value(QStringLiteral("Window/MainFrame"));
    if (!value.isValid())
        return std::nullopt;
    return ParsePlacement(value.toString());
}

void CEdProfile::WritePlacement(const QRect& normalPosition, bool minimized)
{
    QSettings profile = Profile();
    profile.beginGroup(kGroup);
    profile.setValue(QStringLiteral("Window/MainFrame"), FormatPlacement(normalPosition, minimized));
}

int CEdProfile::ReadCheckUpdate()
{
    QSettings profile = Profile();
    profile.beginGroup(kGroup);
    bool ok = false;
    const int value = profile.value(QStringLiteral("Setting/CheckUpdate"), -1).toInt(&ok);
    return ok ? value : -1;
}

void CEdProfile::WriteCheckUpdate(bool check)
{
    QSettings profile = Profile();
    profile.beginGroup(kGroup);
    profile.setValue(QStringLiteral("Setting/CheckUpdate"), check ? 1 : 0);
}
