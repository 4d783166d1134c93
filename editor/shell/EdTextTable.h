#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

// The 70 replaceable texts of the editor, read from "QJXEditorText.csv" beside the program.
// The file is untrusted: whatever it holds, reading ends with what could be read.
class CEdTextTable
{
public:
    static constexpr int kEntryCount = 70;
    static constexpr const char* kFileName = "QJXEditorText.csv";

    // False when the file cannot be opened; the table is then empty and unused.
    bool Load(const QString& path);
    // The file's bytes: UTF-16LE with or without BOM, or UTF-8 with BOM.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);

    bool IsLoaded() const { return m_loaded; }
    QString Entry(int index) const;
    // True when the file had the line for this entry.
    bool HasEntry(int index) const;

    // The texts for a window: entry by entry, the file's text where it has one, else the
    // window's default.
    QStringList Texts(std::initializer_list<int> entries, const QStringList& defaults) const;

    // File line -> entry, -1 for lines that fill nothing.
    static int EntryOfLine(int line);
    // Removes the enclosing quotes of a line whose first comma is not its first character.
    static QString Unquote(const QString& line);

private:
    std::array<QString, kEntryCount> m_entries;
    std::array<bool, kEntryCount> m_present{};
    bool m_loaded = false;
};
