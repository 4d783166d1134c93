#include "ByteHelpers.h"
#include "EdArchive.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> StoredString(const QString& text)
{
    CEdArchive ar;
    ar.WriteString(text);
    return ar.Bytes();
}

QString ReadBack(const std::vector<std::uint8_t>& bytes)
{
    CEdArchive ar(bytes);
    return ar.ReadString();
}

struct LengthCase
{
    qsizetype length;
    std::vector<std::uint8_t> prefix; // after the FF FE FF marker
};

class ArchiveStringLength : public testing::TestWithParam<LengthCase>
{
};

TEST_P(ArchiveStringLength, WritesTheLengthSchemeAndReadsItBack)
{
    const QString text(GetParam().length, QLatin1Char('x'));
    const auto bytes = StoredString(text);
    const auto& prefix = GetParam().prefix;
    ASSERT_EQ(bytes.size(), 3 + prefix.size() + 2 * static_cast<std::size_t>(text.size()));
    EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + 3), Hex("FF FE FF"));
    EXPECT_EQ(std::vector(bytes.begin() + 3, bytes.begin() + 3 + static_cast<long>(prefix.size())), prefix);
    EXPECT_EQ(ReadBack(bytes), text);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ArchiveStringLength,
                         testing::Values(LengthCase{0, Hex("00")}, LengthCase{4, Hex("04")},
                                         LengthCase{254, Hex("FE")}, LengthCase{255, Hex("FF FF 00")},
                                         LengthCase{65533, Hex("FF FD FF")},
                                         LengthCase{65534, Hex("FF FF FF FE FF 00 00")},
                                         LengthCase{70000, Hex("FF FF FF 70 11 01 00")}));

TEST(ArchiveString, SingleByteNamesWithoutMarkerReadAsText)
{
    EXPECT_EQ(ReadBack(Hex("04 53 6F 66 74")), QStringLiteral("Soft"));
    // Latin-1 stands in for the platform's single-byte code page.
    EXPECT_EQ(ReadBack(Hex("02 4E E9")), QStringLiteral("N\u00e9"));
    // A 16-bit length without the marker.
    std::vector<std::uint8_t> longName = Hex("FF 2C 01");
    longName.resize(3 + 300, 'a');
    EXPECT_EQ(ReadBack(longName), QString(300, QLatin1Char('a')));
}

TEST(ArchiveString, UnicodeNamesKeepEveryCodeUnit)
{
    const QString name = QStringLiteral("\u30bd\u30d5\u30c8 \U0001F3B9");
    EXPECT_EQ(ReadBack(StoredString(name)), name);
}

TEST(ArchiveString, BrokenLengthsFailWithoutReadingPastTheBytes)
{
    const std::vector<std::vector<std::uint8_t>> broken = {
        {},                                   // nothing at all
        Hex("FF"),                            // escape without a word
        Hex("FF FE"),                         // marker cut short
        Hex("FF FE FF"),                      // marker without a length
        Hex("FF FE FF 03 41 00"),             // three units announced, one present
        Hex("05 41 42"),                      // five single bytes announced, two present
        Hex("FF FF FF FF FF FF FF"),          // 64-bit length cut short
        Hex("FF FF FF FF FF FF FF 00 00 00 00 00 00 00 10"), // 2^60 characters
        Hex("FF FE FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"), // 2^64 - 1 units
        Hex("FF FE FF FF FF FF 00 00 00 80"), // 2^31 units
    };
    for (const auto& bytes : broken) {
        CEdArchive ar(bytes);
        EXPECT_THROW(ar.ReadString(), CEdFileException) << testing::PrintToString(bytes);
    }
}

TEST(ArchiveInt32, LittleEndianAndSigned)
{
    CEdArchive out;
    out.WriteInt32(-1);
    out.WriteInt32(0x12345678);
    EXPECT_EQ(out.Bytes(), Hex("FF FF FF FF 78 56 34 12"));

    CEdArchive in(out.Bytes());
    EXPECT_EQ(in.ReadInt32(), -1);
    EXPECT_EQ(in.ReadInt32(), 0x12345678);
    EXPECT_THROW(in.ReadInt32(), CEdFileException);
}

} // namespace
