#pragma once

#include "EdSysExMessage.h"

#include <array>
#include <cstdint>

class CEdMidiSettingData;

// Pedal numbers as the MIDI setting window counts them; the message names a pedal by its id byte.
enum class EdPedal { Left = 1, Center = 2, Right = 3 };

// The 16-bit mask with bit `channel` set, split into 7-bit groups from the lowest bit
// (00 00 00 for a channel outside 0-15).
std::array<std::uint8_t, 3> EdEncodeChannelMask(int channel);
// The inverse as the dump is read: a later byte overrides an earlier one, and a byte without
// exactly one allowed bit leaves the result as it was, starting from channel 0.
int EdDecodeChannelMask(std::uint8_t m0, std::uint8_t m1, std::uint8_t m2);

CEdSysExMessage EdMakeTransmitChannelMessage(const CEdMidiSettingData& data);
CEdSysExMessage EdMakePedalCCMessage(const CEdMidiSettingData& data, EdPedal pedal);
CEdSysExMessage EdMakeOutputSettingMessage(const CEdMidiSettingData& data);
