#include "EdTextTable.h"

#include <QFile>
#include <algorithm>

namespace {
// Far more than 71 lines of text; a larger file is read this far and no further.
constexpr qint64 kMaxFileBytes = 1 << 20;
constexpr int kLastUsedLine = 70;

QString Decode(std::span<const std::uint8_t> bytes)
{
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    auto size = static_cast<qsizetype>(bytes.size());
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return QString::fromUtf8(data + 3, size - 3);
    bool utf16 = true;
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        data += 2;
        size -= 2;
    } else if (!bytes.empty() && std::find(bytes.begin(), bytes.end(), std::uint8_t{0}) == bytes.end()) {
        // Without a mark the file is UTF-16LE; one without a single zero byte cannot be
        // (its line ends would have one), so it is taken as the UTF-8 an editor saved.
        utf16 = false;
    }
    if (!utf16)
        return QString::fromUtf8(data, size);
    // An odd last byte is half a character: dropped.
    QString text(size / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i + 1 < size; i += 2)
        text[i / 2] = QChar(static_cast<char16_t>(static_cast<std::uint8_t>(data[i]) |
                                                  (static_cast<std::uint8_t>(data[i + 1]) << 8)));
    return text;
}
} // namespace

int CEdTextTable::EntryOfLine(int line)
{
    if (line == 0)
        return 0;
    if (line == 1)
        return 2;
    if (line == 2)
        return 1;
    if (line >= 3 && line <= 7)
        return line;
    if (line >= 8 && line <= 66)
        return line + 3;
    if (line >= 68 && line <= 70)
        return line - 60;
    return -1;
}

QString CEdTextTable::Unquote(const QString& line)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma <= 0)
        return line;
    // A spreadsheet cell with a comma comes enclosed in quotes; nothing else is unescaped.
    return line.mid(1, line.size() - 2);
}

bool CEdTextTable::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kMaxFileBytes);
    LoadFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())));
    return true;
}

void CEdTextTable::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    m_entries.fill(QString());
    m_present.fill(false);
    const QString text = Decode(bytes.first(std::min<std::size_t>(bytes.size(), kMaxFileBytes)));
    qsizetype start = 0;
    for (int line = 0; line <= kLastUsedLine && start < text.size(); ++line) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QString content = text.mid(start, end - start);
        if (content.endsWith(QLatin1Char('\r')))
            content.chop(1);
        start = end + 1;
        const int entry = EntryOfLine(line);
        if (entry < 0)
            continue;
        m_entries[static_cast<std::size_t>(entry)] = Unquote(content);
        m_present[static_cast<std::size_t>(entry)] = true;
    }
    m_loaded = true;
}

QString CEdTextTable::Entry(int index) const
{
    return index >= 0 && index < kEntryCount ? m_entries[static_cast<std::size_t>(index)] : QString();
}

bool CEdTextTable::HasEntry(int index) const
{
    return index >= 0 && index < kEntryCount && m_present[static_cast<std::size_t>(index)];
}

QStringList CEdTextTable::Texts(std::initializer_list<int> entries, const QStringList& defaults) const
{
    QStringList texts = defaults;
    int position = 0;
    for (int entry : entries) {
        if (position < texts.size() && m_loaded && HasEntry(entry))
            texts[position] = Entry(entry);
        ++position;
    }
    return texts;
}
