#include "ByteHelpers.h"
#include "EdMidiSettingData.h"
#include "EdMidiSettingMessages.h"

#include <gtest/gtest.h>

namespace {

void ExpectDefaults(const CEdMidiSettingData& d)
{
    EXPECT_EQ(d.GetChannel(), 0);
    EXPECT_EQ(d.GetLeftPedalCC(), 67);
    EXPECT_EQ(d.GetCenterPedalCC(), 66);
    EXPECT_EQ(d.GetRightPedalCC(), 64);
    EXPECT_EQ(d.GetKeyboardToMidiOut(), 1);
    EXPECT_EQ(d.GetMidiInToMidiOut(), 0);
    EXPECT_EQ(d.GetPcToMidiOut(), 0);
    EXPECT_EQ(d.GetKeyboardToUsbMidiOut(), 1);
    EXPECT_EQ(d.GetMidiInToUsbMidiOut(), 1);
}

TEST(MidiSettingData, DefaultsAndReset)
{
    CEdMidiSettingData data;
    ExpectDefaults(data);
    data.SetChannel(9);
    data.SetLeftPedalCC(1);
    data.SetPcToMidiOut(4);
    data.SetMidiInToUsbMidiOut(0);
    EXPECT_TRUE(data.Reset());
    ExpectDefaults(data);
}

TEST(MidiSettingData, SerialisesNineFieldsInOrder)
{
    CEdMidiSettingData data;
    data.SetChannel(15);
    const auto bytes = data.Store();
    EXPECT_EQ(bytes, Hex("0F 00 00 00 43 00 00 00 42 00 00 00 40 00 00 00 01 00 00 00 00 00 00 00 "
                         "00 00 00 00 01 00 00 00 01 00 00 00"));
    CEdMidiSettingData copy;
    CEdArchive ar(bytes);
    copy.Serialize(ar);
    EXPECT_EQ(copy.GetChannel(), 15);
}

TEST(MidiSettingMessages, DefaultsProduceTheDocumentedBytes)
{
    CEdMidiSettingData data;
    EXPECT_EQ(EdMakeTransmitChannelMessage(data).bytes, Hex("F0 40 7F 10 06 01 32 01 00 00 F7"));
    EXPECT_EQ(EdMakePedalCCMessage(data, EdPedal::Left).bytes, Hex("F0 40 7F 10 06 01 33 43 43 F7"));
    EXPECT_EQ(EdMakePedalCCMessage(data, EdPedal::Center).bytes, Hex("F0 40 7F 10 06 01 33 42 42 F7"));
    EXPECT_EQ(EdMakePedalCCMessage(data, EdPedal::Right).bytes, Hex("F0 40 7F 10 06 01 33 40 40 F7"));
    EXPECT_EQ(EdMakeOutputSettingMessage(data).bytes, Hex("F0 40 7F 10 06 01 34 01 03 F7"));
    EXPECT_TRUE(EdMakeOutputSettingMessage(data).reconnectOnError);
}

TEST(MidiSettingMessages, PedalMessageCarriesTheChangedNumber)
{
    CEdMidiSettingData data;
    data.SetCenterPedalCC(11);
    EXPECT_EQ(EdMakePedalCCMessage(data, EdPedal::Center).bytes, Hex("F0 40 7F 10 06 01 33 42 0B F7"));
}

TEST(ChannelMask, EncodeEveryGroupBoundary)
{
    const struct
    {
        int channel;
        const char* mask;
    } cases[] = {{0, "01 00 00"},  {6, "40 00 00"},  {7, "00 01 00"},  {13, "00 40 00"},
                 {14, "00 00 01"}, {15, "00 00 02"}, {16, "00 00 00"}, {-1, "00 00 00"}};
    for (const auto& c : cases) {
        const auto mask = EdEncodeChannelMask(c.channel);
        EXPECT_EQ(std::vector(mask.begin(), mask.end()), Hex(c.mask)) << c.channel;
        CEdMidiSettingData data;
        data.SetChannel(c.channel);
        auto expected = Hex("F0 40 7F 10 06 01 32");
        auto maskBytes = Hex(c.mask);
        expected.insert(expected.end(), maskBytes.begin(), maskBytes.end());
        expected.push_back(0xF7);
        EXPECT_EQ(EdMakeTransmitChannelMessage(data).bytes, expected);
    }
}

TEST(ChannelMask, DecodeLaterBytesOverrideAndOddBytesAreIgnored)
{
    const struct
    {
        const char* bytes;
        int channel;
    } cases[] = {{"00 00 02", 15}, {"00 00 00", 0}, {"03 00 00", 0}, {"01 40 00", 13},
                 {"08 00 02", 15}, {"40 00 00", 6}, {"00 00 04", 0}, {"20 00 03", 5}};
    for (const auto& c : cases) {
        const auto b = Hex(c.bytes);
        EXPECT_EQ(EdDecodeChannelMask(b[0], b[1], b[2]), c.channel) << c.bytes;
    }
    for (int channel = 0; channel < 16; ++channel) {
        const auto m = EdEncodeChannelMask(channel);
        EXPECT_EQ(EdDecodeChannelMask(m[0], m[1], m[2]), channel);
    }
}

TEST(MidiSettingMessages, MaskedSwitchBitsStillCountAsOn)
{
    // As the dump stores them: byte 06 and 02 give 0, 2, 4 and 0, 2.
    CEdMidiSettingData data;
    data.SetKeyboardToMidiOut(0x06 & 1);
    data.SetMidiInToMidiOut(0x06 & 2);
    data.SetPcToMidiOut(0x06 & 4);
    data.SetKeyboardToUsbMidiOut(0x02 & 1);
    data.SetMidiInToUsbMidiOut(0x02 & 2);
    EXPECT_EQ(EdMakeOutputSettingMessage(data).bytes, Hex("F0 40 7F 10 06 01 34 06 02 F7"));
}

} // namespace
