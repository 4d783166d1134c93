#pragma once

// A user memory as the instrument lays it out in its dump, and the seven block messages cut
// from it by the block layout table. Written for the tests from the layout alone; it shares
// nothing with the decoder.

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

struct DumpImage
{
    std::uint8_t nameLength = 0;
    std::array<std::uint8_t, 116> nameBytes{};
    std::array<std::uint8_t, 4> block1Reserved{0x11, 0x22, 0x33, 0x44};
    std::array<std::uint8_t, 256> curve{};   // (flag, value) per IN velocity
    std::array<std::uint8_t, 384> offsets{}; // (note, msb, lsb) per note 0-127
    std::array<std::uint8_t, 11> settings{}; // positions 69-79 of block 6

    // Three bytes per UTF-16 unit: low 7 bits, next 7, top 2.
    void SetName(const QString& name)
    {
        nameBytes.fill(0);
        std::size_t i = 0;
        for (QChar c : name) {
            const unsigned u = c.unicode();
            nameBytes.at(i++) = u & 0x7F;
            nameBytes.at(i++) = (u >> 7) & 0x7F;
            nameBytes.at(i++) = (u >> 14) & 0x03;
        }
        nameLength = static_cast<std::uint8_t>(i);
    }

    // out < 0: no point, flag 01 with a value byte that must not be used.
    void SetPoint(std::size_t in, int out, std::uint8_t presentFlag = 0x00)
    {
        curve.at(2 * in) = out < 0 ? 0x01 : presentFlag;
        curve.at(2 * in + 1) = out < 0 ? 0x5A : static_cast<std::uint8_t>(out);
    }

    void SetTriplet(std::size_t slot, int note, int offset)
    {
        const int v = offset + 0x2000;
        offsets.at(3 * slot) = static_cast<std::uint8_t>(note);
        offsets.at(3 * slot + 1) = static_cast<std::uint8_t>((v >> 7) & 0x7F);
        offsets.at(3 * slot + 2) = static_cast<std::uint8_t>(v & 0x7F);
    }

    // Block `block` (0-6) of memory `memory`, 128 bytes.
    std::vector<std::uint8_t> Block(int memory, int block) const
    {
        std::vector<std::uint8_t> m{0xF0, 0x40, 0x7F, 0x23, 0x06, 0x01, 0x02, 0x00,
                                    static_cast<std::uint8_t>(memory), static_cast<std::uint8_t>(block)};
        m.resize(128, 0x00);
        m[127] = 0xF7;
        auto put = [&m](std::size_t first, std::size_t last, const auto& stream, std::size_t from) {
            for (std::size_t p = first; p <= last; ++p)
                m[p] = stream.at(from + (p - first));
        };
        switch (block) {
        case 0:
            m[10] = nameLength;
            put(11, 126, nameBytes, 0);
            break;
        case 1:
            put(10, 13, block1Reserved, 0);
            put(14, 126, curve, 0);
            break;
        case 2:
            put(10, 126, curve, 113);
            break;
        case 3:
            put(10, 35, curve, 230);
            put(36, 126, offsets, 0);
            break;
        case 4:
            put(10, 126, offsets, 91);
            break;
        case 5:
            put(10, 126, offsets, 208);
            break;
        case 6:
            put(10, 68, offsets, 325);
            put(69, 79, settings, 0);
            break;
        }
        return m;
    }
};
