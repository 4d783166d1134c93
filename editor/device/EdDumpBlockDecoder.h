#pragma once

#include <array>
#include <cstdint>
#include <span>

class CEdUserMemory;

// Decodes the seven blocks of one user memory's dump. The memory's data is cut into blocks
// without regard to records, so the name (block 0 -> 1) and the flag of curve point 56
// (block 1 -> 2) are kept here between messages. Offset triplets split across blocks are not
// carried: the note of a split triplet follows from where the block starts in the stream.
class CEdDumpBlockDecoder
{
public:
    static constexpr std::size_t kBlockLength = 128;
    static constexpr int kBlockCount = 7;
    static constexpr std::size_t kNameBytes = 116;

    // `block` is a whole dump block message, at least 127 bytes (position 126 is its last data
    // byte), with every data byte already checked to be 7-bit; position 9 names the block.
    // Shorter spans are ignored.
    // The curve part: block 0 keeps the name, 1 stores name and points 0-56, 2 points 56-114,
    // 3 points 115-127.
    void DecodeCurvePart(std::span<const std::uint8_t> block, CEdUserMemory& memory);
    // The offset part: blocks 3-6 store offsets, block 6 also the MIDI settings.
    void DecodeOffsetPart(std::span<const std::uint8_t> block, CEdUserMemory& memory);

private:
    void KeepName(std::span<const std::uint8_t> block);
    void StoreName(CEdUserMemory& memory) const;
    void DecodeCurveBytes(std::span<const std::uint8_t> bytes, int streamStart, CEdUserMemory& memory);
    static void DecodeOffsetBytes(std::span<const std::uint8_t> bytes, int streamStart,
                                  CEdUserMemory& memory);
    static void DecodeMidiSettings(std::span<const std::uint8_t> block, CEdUserMemory& memory);

    std::size_t m_nameLength = 0;
    std::array<std::uint8_t, kNameBytes> m_nameBytes{};
    std::uint8_t m_lastCurveFlag = 0x01;
};
