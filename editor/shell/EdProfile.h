#pragma once

#include <QRect>
#include <QString>

#include <optional>

// The editor's two saved values: the main window's placement and whether to check for updates
// at start-up, kept as an INI profile under the user's configuration folder
// (ZELVO/QJX1 Editor.ini, group 1.0/Tovin).
class CEdProfile
{
public:
    // The placement text: "(" then eleven numbers each followed by ",", then ")".
    static QString FormatPlacement(const QRect& normalPosition, bool minimized);
    // The normal position of a placement text; nothing when it is missing or unreadable.
    static std::optional<QRect> ParsePlacement(const QString& text);

    static std::optional<QRect> ReadPlacement();
    static void WritePlacement(const QRect& normalPosition, bool minimized);
    // -1 when the value is missing.
    static int ReadCheckUpdate();
    static void WriteCheckUpdate(bool check);
};
