#include "ByteHelpers.h"
#include "EdTouchCurveMessages.h"

#include <gtest/gtest.h>

namespace {

class RecordingSender : public IEdSysExSender
{
public:
    bool SendSysEx(const std::uint8_t* data, int length, bool reconnectOnError) override
    {
        sent.push_back({std::vector(data, data + length), reconnectOnError});
        return failAt != static_cast<int>(sent.size()) - 1;
    }
    std::vector<CEdSysExMessage> sent;
    int failAt = -1;
};

TEST(CurvePointMessage, SetMoveAndRemove)
{
    const struct
    {
        int oldIn, in, out;
        const char* bytes;
    } cases[] = {
        {64, 64, 80, "F0 40 7F 10 06 01 38 40 40 00 50 F7"},   // set or move vertically
        {60, 64, 80, "F0 40 7F 10 06 01 38 3C 40 00 50 F7"},   // dragged sideways
        {64, 64, -1, "F0 40 7F 10 06 01 38 40 40 01 7F F7"},   // removed
        {0, 0, 0, "F0 40 7F 10 06 01 38 00 00 00 00 F7"},
    };
    for (const auto& c : cases) {
        const auto message = EdMakeCurvePointMessage(c.oldIn, c.in, c.out);
        EXPECT_EQ(message.bytes, Hex(c.bytes));
        EXPECT_TRUE(message.reconnectOnError);
    }
}

TEST(CurveNameMessage, ThreeBytesPerCodeUnitPaddedTo40)
{
    const auto message = EdMakeCurveNameMessage(QStringLiteral("A\u00e9\u4f60"));
    ASSERT_EQ(message.bytes.size(), 129u);
    EXPECT_EQ(std::vector(message.bytes.begin(), message.bytes.begin() + 17),
              Hex("F0 40 7F 10 06 01 3A 09 41 00 00 69 01 00 60 1E 01"));
    for (std::size_t i = 17; i < 128; ++i)
        EXPECT_EQ(message.bytes[i], 0) << i;
    EXPECT_EQ(message.bytes[128], 0xF7);
}

TEST(CurveNameMessage, LongNamesSendTheirFirst40Characters)
{
    const auto message = EdMakeCurveNameMessage(QString(60, QLatin1Char('z')));
    ASSERT_EQ(message.bytes.size(), 129u);
    EXPECT_EQ(message.bytes[7], 120); // 3 x 40, still 7-bit
    EXPECT_EQ(message.bytes[127], 0);
    EXPECT_EQ(message.bytes[125], 'z');
    EXPECT_EQ(EdMakeCurveNameMessage(QString()).bytes[7], 0);
}

TEST(CurveResetMessage, Bytes)
{
    EXPECT_EQ(EdMakeCurveResetMessage().bytes, Hex("F0 40 7F 10 06 01 39 F7"));
}

TEST(CurveBulkTransfer, FiveMessagesWithPairsPerEntry)
{
    CEdTouchCurveData::Table table = CEdTouchCurveData::DefaultTable();
    table[58] = 30;
    table[59] = 31;
    table[118] = 100;
    const auto messages = EdMakeCurveBulkTransfer(table);
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0].bytes, Hex("F0 40 7F 22 06 01 01 01 00 00 02 06 F7"));
    EXPECT_EQ(messages[4].bytes, Hex("F0 40 7F 22 06 01 7B 01 F7"));

    const struct
    {
        std::size_t length;
        const char* head;
        std::size_t firstEntry;
    } blocks[] = {{128, "F0 40 7F 22 06 01 02 01 00", 0}, {128, "F0 40 7F 22 06 01 02 01 01", 59},
                  {30, "F0 40 7F 22 06 01 02 01 02", 118}};
    for (std::size_t b = 0; b < 3; ++b) {
        const auto& bytes = messages[b + 1].bytes;
        ASSERT_EQ(bytes.size(), blocks[b].length);
        EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + 9), Hex(blocks[b].head));
        EXPECT_EQ(bytes.back(), 0xF7);
        for (std::size_t i = 9; i + 1 < bytes.size(); i += 2) {
            const int entry = table[blocks[b].firstEntry + (i - 9) / 2];
            EXPECT_EQ(bytes[i], entry < 0 ? 1 : 0);
            EXPECT_EQ(bytes[i + 1], entry < 0 ? 127 : entry);
        }
    }
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(messages[i].reconnectOnError, i == 4);
}

TEST(CurveDifferences, PointMessagesUpTo24ThenBulk)
{
    const struct
    {
        int differing;
        std::size_t messages;
        bool bulk;
    } cases[] = {{0, 0, false}, {1, 1, false}, {24, 24, false}, {25, 5, true}, {128, 5, true}};
    for (const auto& c : cases) {
        CEdTouchCurveData curve;
        CEdTouchCurveData::Table reference = curve.Points();
        // Differences from the top down, so the messages must come out reordered ascending.
        for (int i = 0; i < c.differing; ++i)
            reference[static_cast<std::size_t>(127 - i)] = 5;
        RecordingSender sender;
        EXPECT_TRUE(SendCurveDifferences(sender, curve, reference));
        ASSERT_EQ(sender.sent.size(), c.messages) << c.differing;
        if (c.bulk) {
            EXPECT_EQ(sender.sent, EdMakeCurveBulkTransfer(curve.Points()));
            continue;
        }
        for (std::size_t i = 0; i < sender.sent.size(); ++i) {
            const int in = 128 - c.differing + static_cast<int>(i);
            EXPECT_EQ(sender.sent[i], EdMakeCurvePointMessage(in, in, curve.GetPoint(in)));
        }
    }
}

TEST(CurveDifferences, AFailedSendIsReportedAndTheRestStillGoes)
{
    CEdTouchCurveData curve;
    CEdTouchCurveData::Table reference = curve.Points();
    reference[10] = 3;
    reference[20] = 3;
    RecordingSender sender;
    sender.failAt = 0;
    EXPECT_FALSE(SendCurveDifferences(sender, curve, reference));
    EXPECT_EQ(sender.sent.size(), 2u);
}

} // namespace
