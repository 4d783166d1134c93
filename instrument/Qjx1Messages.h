#pragma once

#include "Qjx1State.h"

#include <array>
#include <cstdint>
#include <vector>

// The instrument's side of the wire format, written from the protocol tables on its own (the
// editor's decoder is a separate piece of code, so each checks the other).
using Qjx1Bytes = std::vector<std::uint8_t>;

namespace qjx1 {

inline constexpr int kBlockLength = 128;
inline constexpr int kNameStreamLength = 116;
inline constexpr int kCurveStreamLength = 256;
inline constexpr int kOffsetStreamLength = 384;

// F0 40 7F 10 06 01 cmd data... F7
Qjx1Bytes Report(std::uint8_t command, std::initializer_list<std::uint8_t> data);
Qjx1Bytes MemoryReport(int memory);
Qjx1Bytes FirmwareVersionReport(int major, int minor);
Qjx1Bytes CheckSumReport(std::uint16_t checkSum);
Qjx1Bytes AutoPowerOffReport(int index);

Qjx1Bytes DumpStart();
Qjx1Bytes DumpEnd();
Qjx1Bytes FirmwareUpdateNotice();

// The seven 128-byte dump blocks of one memory, in block order 0-6.
std::array<Qjx1Bytes, 7> DumpBlocks(int memoryIndex, const Qjx1Memory& memory);

// Wire encodings.
std::array<std::uint8_t, 2> EncodeOffset(int offset);
int DecodeOffset(std::uint8_t msb, std::uint8_t lsb);
std::array<std::uint8_t, 3> EncodeChannel(int channel);
// -1 when no byte names exactly one channel.
int DecodeChannel(std::uint8_t m0, std::uint8_t m1, std::uint8_t m2);

} // namespace qjx1
