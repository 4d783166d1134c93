#include "EdMidiSettingMessages.h"

#include "EdMidiSettingData.h"

#include <bit>

namespace {
constexpr std::uint8_t kFunction = 0x10;

// Channel of a byte with exactly one of its allowed bits set, or -1.
int SingleBitChannel(std::uint8_t byte, std::uint8_t allowedMask, int firstChannel)
{
    const unsigned bits = byte & allowedMask;
    if (std::popcount(bits) != 1 || bits != byte)
        return -1;
    return firstChannel + std::countr_zero(bits);
}

CEdSysExMessage Finish(std::vector<std::uint8_t> bytes)
{
    bytes.push_back(0xF7);
    return {std::move(bytes), true};
}
} // namespace

std::array<std::uint8_t, 3> EdEncodeChannelMask(int channel)
{
    if (channel < 0 || channel > 15)
        return {0, 0, 0};
    const unsigned mask = 1u << channel;
    return {static_cast<std::uint8_t>(mask & 0x7F), static_cast<std::uint8_t>((mask >> 7) & 0x7F),
            static_cast<std::uint8_t>((mask >> 14) & 0x03)};
}

int EdDecodeChannelMask(std::uint8_t m0, std::uint8_t m1, std::uint8_t m2)
{
    int channel = 0;
    for (int found : {SingleBitChannel(m0, 0x7F, 0), SingleBitChannel(m1, 0x7F, 7),
                      SingleBitChannel(m2, 0x03, 14)}) {
        if (found >= 0)
            channel = found;
    }
    return channel;
}

CEdSysExMessage EdMakeTransmitChannelMessage(const CEdMidiSettingData& data)
{
    auto bytes = EdSysExHeader(kFunction, 0x32);
    for (std::uint8_t b : EdEncodeChannelMask(data.GetChannel()))
        bytes.push_back(b);
    return Finish(std::move(bytes));
}

CEdSysExMessage EdMakePedalCCMessage(const CEdMidiSettingData& data, EdPedal pedal)
{
    auto bytes = EdSysExHeader(kFunction, 0x33);
    int cc = 0;
    switch (pedal) {
    case EdPedal::Left:
        bytes.push_back(CEdMidiSettingData::kDefaultLeftPedalCC);
        cc = data.GetLeftPedalCC();
        break;
    case EdPedal::Center:
        bytes.push_back(CEdMidiSettingData::kDefaultCenterPedalCC);
        cc = data.GetCenterPedalCC();
        break;
    case EdPedal::Right:
        bytes.push_back(CEdMidiSettingData::kDefaultRightPedalCC);
        cc = data.GetRightPedalCC();
        break;
    }
    bytes.push_back(static_cast<std::uint8_t>(cc & 0x7F));
    return Finish(std::move(bytes));
}

CEdSysExMessage EdMakeOutputSettingMessage(const CEdMidiSettingData& data)
{
    auto bytes = EdSysExHeader(kFunction, 0x34);
    const unsigned midiOut = (data.GetKeyboardToMidiOut() ? 1u : 0u) | (data.GetMidiInToMidiOut() ? 2u : 0u) |
                             (data.GetPcToMidiOut() ? 4u : 0u);
    const unsigned usbOut = (data.GetKeyboardToUsbMidiOut() ? 1u : 0u) | (data.GetMidiInToUsbMidiOut() ? 2u : 0u);
    bytes.push_back(static_cast<std::uint8_t>(midiOut));
    bytes.push_back(static_cast<std::uint8_t>(usbOut));
    return Finish(std::move(bytes));
}
