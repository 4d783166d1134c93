#include "Qjx1Messages.h"

#include <algorithm>

namespace qjx1 {
namespace {
constexpr std::uint8_t kParameter = 0x10;
constexpr std::uint8_t kDump = 0x23;
// Bytes the editor does not interpret: block 1 positions 10-13, and the pedal ids beside the
// pedal numbers in block 6.
constexpr std::uint8_t kBlock1Reserved[4] = {0x00, 0x01, 0x00, 0x00};
constexpr std::uint8_t kRightPedalId = 0x40, kCenterPedalId = 0x42, kLeftPedalId = 0x43;

Qjx1Bytes Framed(std::uint8_t function, std::uint8_t command, std::initializer_list<std::uint8_t> data)
{
    Qjx1Bytes bytes{0xF0, 0x40, 0x7F, function, 0x06, 0x01, command};
    bytes.insert(bytes.end(), data);
    bytes.push_back(0xF7);
    return bytes;
}

std::uint8_t Seven(int value)
{
    return static_cast<std::uint8_t>(value & 0x7F);
}

// Copies stream bytes [first, first + count) to block positions starting at `at`.
void Place(Qjx1Bytes& block, int at, const std::vector<std::uint8_t>& stream, int first, int count)
{
    std::copy_n(stream.begin() + first, count, block.begin() + at);
}
} // namespace

Qjx1Bytes Report(std::uint8_t command, std::initializer_list<std::uint8_t> data)
{
    return Framed(kParameter, command, data);
}

Qjx1Bytes MemoryReport(int memory)
{
    return Report(0x30, {Seven(memory)});
}

Qjx1Bytes FirmwareVersionReport(int major, int minor)
{
    return Report(0x35, {Seven(major), Seven(minor)});
}

Qjx1Bytes CheckSumReport(std::uint16_t checkSum)
{
    return Report(0x36, {Seven(checkSum), Seven(checkSum >> 7), static_cast<std::uint8_t>((checkSum >> 14) & 0x03)});
}

Qjx1Bytes AutoPowerOffReport(int index)
{
    return Report(0x37, {Seven(index)});
}

Qjx1Bytes DumpStart()
{
    return Framed(kDump, 0x01, {0x00});
}

Qjx1Bytes DumpEnd()
{
    return Framed(kDump, 0x7B, {0x00});
}

Qjx1Bytes FirmwareUpdateNotice()
{
    return Framed(kDump, 0x7D, {});
}

std::array<std::uint8_t, 2> EncodeOffset(int offset)
{
    const int v = offset + 0x2000;
    return {Seven(v >> 7), Seven(v)};
}

int DecodeOffset(std::uint8_t msb, std::uint8_t lsb)
{
    return (msb - 64) * 128 + (lsb & 0x7F);
}

std::array<std::uint8_t, 3> EncodeChannel(int channel)
{
    if (channel < 0 || channel > 15)
        return {0, 0, 0};
    const unsigned mask = 1u << channel;
    return {Seven(static_cast<int>(mask)), Seven(static_cast<int>(mask >> 7)), static_cast<std::uint8_t>((mask >> 14) & 3)};
}

int DecodeChannel(std::uint8_t m0, std::uint8_t m1, std::uint8_t m2)
{
    int channel = -1;
    for (int k = 0; k < 16; ++k) {
        const auto mask = EncodeChannel(k);
        const std::uint8_t bytes[3] = {m0, m1, m2};
        const int group = k < 7 ? 0 : (k < 14 ? 1 : 2);
        if (bytes[group] == mask[static_cast<std::size_t>(group)])
            channel = k;
    }
    return channel;
}

std::array<Qjx1Bytes, 7> DumpBlocks(int memoryIndex, const Qjx1Memory& memory)
{
    // Name: three bytes per UTF-16 unit, as many units as fit in 116 bytes.
    std::vector<std::uint8_t> name(kNameStreamLength, 0);
    const std::size_t units = std::min<std::size_t>(memory.curveName.size(), kNameStreamLength / 3);
    for (std::size_t i = 0; i < units; ++i) {
        const unsigned c = memory.curveName[i];
        name[3 * i] = Seven(static_cast<int>(c));
        name[3 * i + 1] = Seven(static_cast<int>(c >> 7));
        name[3 * i + 2] = static_cast<std::uint8_t>((c >> 14) & 3);
    }

    std::vector<std::uint8_t> curve;
    for (int out : memory.curve) {
        curve.push_back(out < 0 ? std::uint8_t{0x01} : std::uint8_t{0x00});
        curve.push_back(out < 0 ? std::uint8_t{0x7F} : Seven(out));
    }

    std::vector<std::uint8_t> offsets;
    for (int note = 0; note < 128; ++note) {
        const auto v = EncodeOffset(memory.offsets[static_cast<std::size_t>(note)]);
        offsets.insert(offsets.end(), {static_cast<std::uint8_t>(note), v[0], v[1]});
    }

    std::array<Qjx1Bytes, 7> blocks;
    for (int b = 0; b < 7; ++b) {
        Qjx1Bytes& block = blocks[static_cast<std::size_t>(b)];
        block.assign(kBlockLength, 0);
        const std::uint8_t head[10] = {0xF0, 0x40, 0x7F, kDump, 0x06, 0x01, 0x02, 0x00, Seven(memoryIndex), Seven(b)};
        std::copy(std::begin(head), std::end(head), block.begin());
        block[127] = 0xF7;
    }
    blocks[0][10] = static_cast<std::uint8_t>(3 * units);
    Place(blocks[0], 11, name, 0, 116);
    std::copy(std::begin(kBlock1Reserved), std::end(kBlock1Reserved), blocks[1].begin() + 10);
    Place(blocks[1], 14, curve, 0, 113);
    Place(blocks[2], 10, curve, 113, 117);
    Place(blocks[3], 10, curve, 230, 26);
    Place(blocks[3], 36, offsets, 0, 91);
    Place(blocks[4], 10, offsets, 91, 117);
    Place(blocks[5], 10, offsets, 208, 117);
    Place(blocks[6], 10, offsets, 325, 59);

    auto& settings = blocks[6];
    const auto channel = EncodeChannel(memory.channel);
    std::copy(channel.begin(), channel.end(), settings.begin() + 69);
    settings[72] = kRightPedalId;
    settings[73] = Seven(memory.rightPedalCC);
    settings[74] = kCenterPedalId;
    settings[75] = Seven(memory.centerPedalCC);
    settings[76] = kLeftPedalId;
    settings[77] = Seven(memory.leftPedalCC);
    settings[78] = static_cast<std::uint8_t>(memory.midiOutSwitches & 0x07);
    settings[79] = static_cast<std::uint8_t>(memory.usbOutSwitches & 0x03);
    return blocks;
}

} // namespace qjx1
