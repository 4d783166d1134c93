#include "ByteHelpers.h"
#include "Qjx1Instrument.h"

#include <gtest/gtest.h>

namespace {

std::vector<Qjx1Bytes> Bytes(const std::vector<Qjx1Outgoing>& out)
{
    std::vector<Qjx1Bytes> bytes;
    for (const auto& o : out)
        bytes.push_back(o.bytes);
    return bytes;
}

// Where stream byte s of each stream lands, straight from the block layout table.
std::pair<int, int> CurvePosition(int s)
{
    if (s < 113)
        return {1, 14 + s};
    if (s < 230)
        return {2, 10 + s - 113};
    return {3, 10 + s - 230};
}
std::pair<int, int> OffsetPosition(int s)
{
    if (s < 91)
        return {3, 36 + s};
    if (s < 208)
        return {4, 10 + s - 91};
    if (s < 325)
        return {5, 10 + s - 208};
    return {6, 10 + s - 325};
}

Qjx1Memory KnownMemory()
{
    Qjx1Memory m;
    m.curveName = u"A\u00e9\u4f60";
    m.curve[56] = 70;
    m.curve[57] = -1;
    m.curve[100] = 110;
    m.offsets[21] = -127;
    m.offsets[30] = 5;
    m.offsets[69] = -1;
    m.offsets[108] = 127;
    m.offsets[5] = 3; // not a key, still on the wire
    m.channel = 13;
    m.rightPedalCC = 64;
    m.centerPedalCC = 11;
    m.leftPedalCC = 1;
    m.midiOutSwitches = 0x06;
    m.usbOutSwitches = 0x02;
    return m;
}

std::array<Qjx1Bytes, 7> HandBuiltBlocks(int memoryIndex, const Qjx1Memory& m)
{
    std::array<Qjx1Bytes, 7> blocks;
    for (int b = 0; b < 7; ++b) {
        auto& block = blocks[b];
        block = Hex("F0 40 7F 23 06 01 02 00");
        block.push_back(static_cast<std::uint8_t>(memoryIndex));
        block.push_back(static_cast<std::uint8_t>(b));
        block.resize(128, 0);
        block[127] = 0xF7;
    }
    blocks[0][10] = static_cast<std::uint8_t>(3 * m.curveName.size());
    for (std::size_t i = 0; i < m.curveName.size(); ++i) {
        const unsigned c = m.curveName[i];
        blocks[0][11 + 3 * i] = c % 128;
        blocks[0][12 + 3 * i] = (c / 128) % 128;
        blocks[0][13 + 3 * i] = c / 16384;
    }
    blocks[1][11] = 0x01; // the instrument's own reserved bytes 00 01 00 00
    for (int i = 0; i < 128; ++i) {
        const int out = m.curve[i];
        const auto [fb, fp] = CurvePosition(2 * i);
        const auto [vb, vp] = CurvePosition(2 * i + 1);
        blocks[fb][fp] = out < 0 ? 0x01 : 0x00;
        blocks[vb][vp] = out < 0 ? 0x7F : static_cast<std::uint8_t>(out);
    }
    for (int note = 0; note < 128; ++note) {
        const int v = m.offsets[note] + 8192;
        const std::uint8_t triplet[3] = {static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(v >> 7),
                                         static_cast<std::uint8_t>(v & 0x7F)};
        for (int k = 0; k < 3; ++k) {
            const auto [b, p] = OffsetPosition(3 * note + k);
            blocks[b][p] = triplet[k];
        }
    }
    auto& settings = blocks[6];
    settings[69 + m.channel / 7] = static_cast<std::uint8_t>(1 << (m.channel % 7));
    const std::uint8_t pedals[6] = {0x40, static_cast<std::uint8_t>(m.rightPedalCC), 0x42,
                                    static_cast<std::uint8_t>(m.centerPedalCC), 0x43,
                                    static_cast<std::uint8_t>(m.leftPedalCC)};
    std::copy(std::begin(pedals), std::end(pedals), settings.begin() + 72);
    settings[78] = m.midiOutSwitches;
    settings[79] = m.usbOutSwitches;
    return blocks;
}

TEST(Qjx1Instrument, FullAnswerIsTheFramedDumpAndTheReports)
{
    Qjx1State state;
    state.memories[3] = KnownMemory();
    state.currentMemory = 3;
    state.checkSum = 0x3A7C;
    state.autoPowerOff = 2;
    Qjx1Instrument instrument(state);

    const auto out = Bytes(instrument.Receive(Hex("F0 40 7F 00 06 01 00 F7")));
    ASSERT_EQ(out.size(), 1u + 35u + 1u + 4u);
    EXPECT_EQ(out[0], Hex("F0 40 7F 23 06 01 01 00 F7"));
    for (int memory = 0; memory < 5; ++memory) {
        const auto expected = HandBuiltBlocks(memory, state.memories[memory]);
        for (int b = 0; b < 7; ++b)
            EXPECT_EQ(out[1 + 7 * memory + b], expected[b]) << "memory " << memory << " block " << b;
    }
    // The known memory, byte by byte where the table is easiest to get wrong.
    const auto& block0 = out[1 + 7 * 3];
    EXPECT_EQ(std::vector(block0.begin() + 10, block0.begin() + 20), Hex("09 41 00 00 69 01 00 60 1E 01"));
    const auto& block6 = out[1 + 7 * 3 + 6];
    EXPECT_EQ(std::vector(block6.begin() + 69, block6.begin() + 80), Hex("00 40 00 40 40 42 0B 43 01 06 02"));
    EXPECT_EQ(out[36], Hex("F0 40 7F 23 06 01 7B 00 F7"));
    EXPECT_EQ(out[37], Hex("F0 40 7F 10 06 01 30 03 F7"));
    EXPECT_EQ(out[38], Hex("F0 40 7F 10 06 01 35 01 04 F7"));
    EXPECT_EQ(out[39], Hex("F0 40 7F 10 06 01 36 7C 74 00 F7")); // 0x3A7C = 7C + 74*128
    EXPECT_EQ(out[40], Hex("F0 40 7F 10 06 01 37 02 F7"));
}

TEST(Qjx1Instrument, IdentityRequestAnswersTheVersion)
{
    Qjx1Instrument instrument;
    EXPECT_EQ(Bytes(instrument.Receive(Hex("F0 40 7F 00 06 01 01 F7"))),
              std::vector<Qjx1Bytes>{Hex("F0 40 7F 10 06 01 35 01 04 F7")});
}

TEST(Qjx1Instrument, ParameterMessagesChangeTheCurrentMemory)
{
    Qjx1Instrument instrument{Qjx1State{}};
    const char* messages[] = {
        "F0 40 7F 10 06 01 30 02 F7",       // memory 2
        "F0 40 7F 10 06 01 31 45 3F 7F F7", // A4 -1
        "F0 40 7F 10 06 01 32 00 00 02 F7", // channel 16
        "F0 40 7F 10 06 01 33 42 0B F7",    // centre pedal CC 11
        "F0 40 7F 10 06 01 34 06 02 F7",    // switches
        "F0 40 7F 10 06 01 37 03 F7",       // auto power-off 120 min
        "F0 40 7F 10 06 01 38 40 40 00 50 F7", // point 64 -> 80
        "F0 40 7F 10 06 01 38 40 44 00 51 F7", // dragged sideways to 68
    };
    for (const char* m : messages)
        EXPECT_TRUE(instrument.Receive(Hex(m)).empty()) << m;
    const auto& s = instrument.State();
    EXPECT_EQ(s.currentMemory, 2);
    const auto& m = s.memories[2];
    EXPECT_EQ(m.offsets[69], -1);
    EXPECT_EQ(m.channel, 15);
    EXPECT_EQ(m.centerPedalCC, 11);
    EXPECT_EQ(m.midiOutSwitches, 0x06);
    EXPECT_EQ(m.usbOutSwitches, 0x02);
    EXPECT_EQ(s.autoPowerOff, 3);
    EXPECT_EQ(m.curve[64], -1);
    EXPECT_EQ(m.curve[68], 81);
    EXPECT_EQ(s.memories[0], Qjx1Memory{}); // other memories untouched

    auto name = Hex("F0 40 7F 10 06 01 3A 06 53 00 00 6F 00 00");
    name.resize(128, 0);
    name.push_back(0xF7);
    instrument.Receive(name);
    EXPECT_EQ(instrument.State().memories[2].curveName, u"So");

    instrument.Receive(Hex("F0 40 7F 10 06 01 39 F7"));
    EXPECT_EQ(instrument.State().memories[2].curve, Qjx1Memory{}.curve);
}

TEST(Qjx1Instrument, BulkTransferReplacesTheCurveAtItsEnd)
{
    Qjx1Instrument instrument{Qjx1State{}};
    std::vector<Qjx1Bytes> transfer{Hex("F0 40 7F 22 06 01 01 01 00 00 02 06 F7")};
    const int ranges[3][2] = {{0, 58}, {59, 117}, {118, 127}};
    for (int b = 0; b < 3; ++b) {
        auto block = Hex("F0 40 7F 22 06 01 02 01");
        block.push_back(static_cast<std::uint8_t>(b));
        for (int in = ranges[b][0]; in <= ranges[b][1]; ++in) {
            block.push_back(0x00);
            block.push_back(static_cast<std::uint8_t>(127 - in));
        }
        block.push_back(0xF7);
        transfer.push_back(block);
    }
    for (const auto& m : transfer)
        instrument.Receive(m);
    EXPECT_EQ(instrument.State().memories[0].curve, Qjx1Memory{}.curve); // not before the end
    instrument.Receive(Hex("F0 40 7F 22 06 01 7B 01 F7"));
    for (int in = 0; in < 128; ++in)
        EXPECT_EQ(instrument.State().memories[0].curve[in], 127 - in);
}

TEST(Qjx1Instrument, KnobsShapeTheAnswer)
{
    const auto request = Hex("F0 40 7F 00 06 01 00 F7");
    {
        Qjx1Instrument instrument;
        instrument.Knobs().silent = true;
        EXPECT_TRUE(instrument.Receive(request).empty());
    }
    {
        Qjx1Instrument instrument;
        instrument.Knobs().stopAtBlock = 7 * 2 + 3;
        const auto out = Bytes(instrument.Receive(request));
        ASSERT_EQ(out.size(), 1u + 17u); // start, memories 0-1, blocks 0-2 of memory 2
        EXPECT_EQ(out.back()[8], 2);
        EXPECT_EQ(out.back()[9], 2);
    }
    {
        Qjx1Instrument instrument;
        instrument.Knobs().dropBlock = 7 * 1 + 4;
        const auto out = Bytes(instrument.Receive(request));
        ASSERT_EQ(out.size(), 40u);
        EXPECT_EQ(out[1 + 7 + 4][9], 5); // block 5 of memory 1 where block 4 would be
    }
    {
        Qjx1Instrument instrument;
        instrument.Knobs().block5Before4 = true;
        instrument.Knobs().paceMs = 3;
        instrument.Knobs().autoPowerOffDelayMs = 5000;
        const auto out = instrument.Receive(request);
        EXPECT_EQ(out[5].bytes[9], 5);
        EXPECT_EQ(out[6].bytes[9], 4);
        EXPECT_EQ(out[7].bytes[9], 6);
        EXPECT_EQ(out.front().delayMs, 3);
        EXPECT_EQ(out.back().bytes, Hex("F0 40 7F 10 06 01 37 02 F7"));
        EXPECT_EQ(out.back().delayMs, 5003);
    }
}

TEST(Qjx1Instrument, OnItsOwn)
{
    Qjx1Instrument instrument;
    EXPECT_EQ(Bytes(instrument.SelectMemoryOnPanel(4)), std::vector<Qjx1Bytes>{Hex("F0 40 7F 10 06 01 30 04 F7")});
    EXPECT_EQ(instrument.State().currentMemory, 4);
    EXPECT_TRUE(instrument.SelectMemoryOnPanel(5).empty());
    const auto change = Bytes(instrument.AnnounceDataChange());
    ASSERT_EQ(change.size(), 37u);
    EXPECT_EQ(change.front(), Hex("F0 40 7F 23 06 01 01 00 F7"));
    EXPECT_EQ(change.back(), Hex("F0 40 7F 23 06 01 7B 00 F7"));
    EXPECT_EQ(Bytes(instrument.AnnounceFirmwareUpdate()), std::vector<Qjx1Bytes>{Hex("F0 40 7F 23 06 01 7D F7")});
    // Memory 4 of the believable contents transmits on channel 16.
    EXPECT_EQ(Bytes(instrument.PlayNote(60, 100)), (std::vector<Qjx1Bytes>{Hex("9F 3C 64"), Hex("8F 3C 40")}));
}

TEST(Qjx1Instrument, KeepsWhatIsNotProtocolAndTheExit)
{
    Qjx1Instrument instrument;
    instrument.Receive(Hex("F0 7E 7F 09 01 F7"));
    instrument.Receive(Hex("F0 41 10 42 12 F7"));
    instrument.Receive(Hex("F0 40 7F 31 06 01 03 F7"));
    EXPECT_EQ(instrument.OtherSysEx().size(), 2u);
    EXPECT_TRUE(instrument.ExitReceived());
    // Short and broken parameter messages change nothing and read nothing beyond the bytes.
    const auto before = instrument.State().memories;
    instrument.Receive(Hex("F0 40 7F 10 06 01 31 F7"));
    instrument.Receive(Hex("F0 40 7F 10 06 01 3A 78 F7"));
    instrument.Receive(Hex("F0 40 7F 22 06 01 02 01 00 00 F7"));
    EXPECT_EQ(instrument.State().memories[0].curve, before[0].curve);
}

} // namespace
