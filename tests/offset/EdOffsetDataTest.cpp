#include "ByteHelpers.h"
#include "EdKeyOffset.h"
#include "EdOffsetData.h"

#include <gtest/gtest.h>

namespace {

TEST(OffsetData, NewObjectHoldsZerosAndIgnoresIndicesOutside)
{
    CEdOffsetData data;
    for (unsigned i = 0; i < 88; ++i)
        EXPECT_EQ(data.GetOffset(i), 0);
    EXPECT_EQ(data.GetOffset(88), 0);
    EXPECT_EQ(data.GetOffset(4294967295u), 0);
    data.SetOffset(88, 5);
    data.SetOffset(4294967295u, 5);
    EXPECT_EQ(data.GetOffset(87), 0);
}

TEST(OffsetData, SetOffsetKeepsTheRange)
{
    const struct
    {
        int value;
        int stored;
    } cases[] = {{128, 3}, {-128, 3}, {-127, -127}, {127, 127}, {0, 0}, {1000, 3}};
    for (const auto& c : cases) {
        CEdOffsetData data;
        data.SetOffset(10, 3);
        data.SetOffset(10, c.value);
        EXPECT_EQ(data.GetOffset(10), c.stored) << c.value;
    }
}

TEST(OffsetData, SerialisesThe88ValuesAndNothingElse)
{
    CEdOffsetData data;
    data.SetOffset(0, -1);
    data.SetOffset(87, 127);
    const auto bytes = data.Store();
    ASSERT_EQ(bytes.size(), 352u);
    EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + 4), Hex("FF FF FF FF"));

    CEdOffsetData copy;
    CEdArchive ar(bytes);
    copy.Serialize(ar);
    EXPECT_TRUE(copy.IsEqual(&data));
    copy.SetOffset(40, 1);
    EXPECT_FALSE(copy.IsEqual(&data));

    // A short snapshot changes nothing.
    CEdOffsetData untouched;
    CEdArchive shortAr(std::span<const std::uint8_t>(bytes).first(100));
    EXPECT_THROW(untouched.Serialize(shortAr), CEdFileException);
    EXPECT_EQ(untouched.GetOffset(0), 0);
}

TEST(OffsetData, ResetClearsValuesButNotHistory)
{
    CEdOffsetData data;
    data.PushHistory();
    data.SetOffset(5, 9);
    data.Reset();
    EXPECT_EQ(data.GetOffset(5), 0);
    EXPECT_TRUE(data.CanUndo());
}

TEST(KeyNames, FromIndexToNoteAndOctave)
{
    const struct
    {
        int index;
        const char* name;
        bool black;
    } cases[] = {{0, "A0", false}, {1, "A#0", true}, {2, "B0", false}, {3, "C1", false},
                 {4, "C#1", true},  {48, "A4", false}, {39, "C4", false}, {87, "C8", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(EdKeyName(c.index), QString::fromLatin1(c.name));
        EXPECT_EQ(EdIsBlackKey(c.index), c.black) << c.name;
    }
    EXPECT_TRUE(EdKeyName(-1).isEmpty());
    EXPECT_TRUE(EdKeyName(88).isEmpty());
}

TEST(KeyOffsetMessage, CarriesNoteAndCentredValue)
{
    const struct
    {
        int index;
        int offset;
        const char* bytes;
    } cases[] = {
        {0, -1, "F0 40 7F 10 06 01 31 15 3F 7F F7"},  {87, 127, "F0 40 7F 10 06 01 31 6C 40 7F F7"},
        {48, 0, "F0 40 7F 10 06 01 31 45 40 00 F7"},  {48, 5, "F0 40 7F 10 06 01 31 45 40 05 F7"},
        {48, -127, "F0 40 7F 10 06 01 31 45 3F 01 F7"},
    };
    for (const auto& c : cases) {
        const auto message = EdMakeKeyOffsetMessage(c.index, c.offset);
        EXPECT_EQ(message.bytes, Hex(c.bytes));
        EXPECT_TRUE(message.reconnectOnError);
    }
}

} // namespace
