#include "EdTextTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> Utf16(const QString& text, bool bom)
{
    std::vector<std::uint8_t> bytes;
    if (bom)
        bytes = {0xFF, 0xFE};
    for (QChar c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c.unicode() >> 8));
    }
    return bytes;
}

std::vector<std::uint8_t> Utf8Bom(const QString& text)
{
    std::vector<std::uint8_t> bytes{0xEF, 0xBB, 0xBF};
    const QByteArray utf8 = text.toUtf8();
    bytes.insert(bytes.end(), utf8.begin(), utf8.end());
    return bytes;
}

// Line n of a full file reads "Ln" so every entry shows which line filled it.
QString NumberedFile(const QString& eol, int lines = 72)
{
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("L%1").arg(i) + eol;
    return text;
}

TEST(TextTable, LineToEntryMapping)
{
    const struct
    {
        int line, entry;
    } cases[] = {{0, 0}, {1, 2}, {2, 1}, {3, 3}, {7, 7}, {8, 11}, {66, 69}, {67, -1}, {68, 8}, {70, 10}, {71, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(CEdTextTable::EntryOfLine(c.line), c.entry) << c.line;
}

TEST(TextTable, EveryEncodingAndLineEndFillsTheSameTable)
{
    const std::vector<std::vector<std::uint8_t>> files = {
        Utf16(NumberedFile(QStringLiteral("\r\n")), true), Utf16(NumberedFile(QStringLiteral("\n")), false),
        Utf8Bom(NumberedFile(QStringLiteral("\r\n"))), Utf8Bom(NumberedFile(QStringLiteral("\n")))};
    for (const auto& bytes : files) {
        CEdTextTable table;
        table.LoadFromBytes(bytes);
        ASSERT_TRUE(table.IsLoaded());
        EXPECT_EQ(table.Entry(0), QStringLiteral("L0"));
        EXPECT_EQ(table.Entry(1), QStringLiteral("L2")); // complete and failed swap
        EXPECT_EQ(table.Entry(2), QStringLiteral("L1"));
        EXPECT_EQ(table.Entry(8), QStringLiteral("L68"));
        EXPECT_EQ(table.Entry(11), QStringLiteral("L8"));
        EXPECT_EQ(table.Entry(69), QStringLiteral("L66"));
        for (int e = 0; e < CEdTextTable::kEntryCount; ++e)
            EXPECT_NE(table.Entry(e), QStringLiteral("L67"));
    }
}

TEST(TextTable, QuoteRule)
{
    const struct
    {
        const char* line;
        const char* entry;
    } cases[] = {
        {"\"Please connect your QJX1 to your computer,\"", "Please connect your QJX1 to your computer,"},
        {",starts, with a comma", ",starts, with a comma"},
        {"a,b", ","},
        {"no comma \"here\"", "no comma \"here\""},
        {"\"doubled \"\"quotes\"\", stay\"", "doubled \"\"quotes\"\", stay"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CEdTextTable::Unquote(QString::fromUtf8(c.line)), QString::fromUtf8(c.entry)) << c.line;
}

TEST(TextTable, WindowsKeepTheirDefaultsForLinesTheFileDoesNotHave)
{
    CEdTextTable table;
    const QStringList defaults{QStringLiteral("Receiving data from QJX1..."), QStringLiteral("Complete"),
                               QStringLiteral("Failed"), QStringLiteral("Notice")};
    EXPECT_EQ(table.Texts({0, 1, 2, 3}, defaults), defaults); // not loaded

    table.LoadFromBytes(Utf8Bom(QStringLiteral("\u30c7\u30fc\u30bf\u53d7\u4fe1\u4e2d...\n\u5931\u6557\n")));
    const QStringList texts = table.Texts({0, 1, 2, 3}, defaults);
    EXPECT_EQ(texts[0], QStringLiteral("\u30c7\u30fc\u30bf\u53d7\u4fe1\u4e2d..."));
    EXPECT_EQ(texts[1], QStringLiteral("Complete")); // line 2 is missing
    EXPECT_EQ(texts[2], QStringLiteral("\u5931\u6557"));
    EXPECT_EQ(texts[3], QStringLiteral("Notice"));
}

TEST(TextTable, UntrustedFilesLoadWhatTheyCan)
{
    // Odd byte count: the half character at the end is dropped.
    auto odd = Utf16(QStringLiteral("first\r\nsecond"), true);
    odd.push_back(0x41);
    CEdTextTable table;
    table.LoadFromBytes(odd);
    EXPECT_EQ(table.Entry(0), QStringLiteral("first"));
    EXPECT_EQ(table.Entry(2), QStringLiteral("second"));

    // Binary garbage and a single endless line.
    std::vector<std::uint8_t> garbage(4096);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>(i * 131 + 7);
    table.LoadFromBytes(garbage);
    EXPECT_TRUE(table.IsLoaded());
    std::vector<std::uint8_t> endless(3 << 20, 'x');
    table.LoadFromBytes(endless);
    EXPECT_LE(table.Entry(0).size(), 1 << 20);
    table.LoadFromBytes({});
    EXPECT_TRUE(table.Entry(0).isEmpty());
}

TEST(TextTable, LoadFromAFile)
{
    QTemporaryDir dir;
    CEdTextTable table;
    EXPECT_FALSE(table.Load(dir.filePath(QString::fromLatin1(CEdTextTable::kFileName))));
    EXPECT_FALSE(table.IsLoaded());

    QFile file(dir.filePath(QString::fromLatin1(CEdTextTable::kFileName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const auto bytes = Utf16(NumberedFile(QStringLiteral("\r\n")), true);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();
    EXPECT_TRUE(table.Load(file.fileName()));
    EXPECT_EQ(table.Entry(10), QStringLiteral("L70"));
}

} // namespace
