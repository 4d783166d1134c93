#include "EdDumpBlockDecoder.h"

#include "EdMidiSettingMessages.h"
#include "EdUserMemory.h"

#include <algorithm>

namespace {
constexpr std::size_t kMinimumLength = 127;
constexpr std::size_t kBlockNumberPosition = 9;
constexpr std::uint8_t kNoPointFlag = 0x01;

// Where each block's share of the curve and offset streams lies: first and last position in
// the message, and the stream index of the first byte.
struct StreamPart
{
    int block;
    std::size_t first;
    std::size_t last;
    int streamStart;
};

constexpr StreamPart kCurveParts[] = {
    {1, 14, 126, 0},
    {2, 10, 126, 113},
    {3, 10, 35, 230},
};

constexpr StreamPart kOffsetParts[] = {
    {3, 36, 126, 0},
    {4, 10, 126, 91},
    {5, 10, 126, 208},
    {6, 10, 68, 325},
};

std::span<const std::uint8_t> Bytes(std::span<const std::uint8_t> block, const StreamPart& part)
{
    return block.subspan(part.first, part.last - part.first + 1);
}

bool IsDecodable(std::span<const std::uint8_t> block)
{
    return block.size() >= kMinimumLength;
}
} // namespace

void CEdDumpBlockDecoder::DecodeCurvePart(std::span<const std::uint8_t> block, CEdUserMemory& memory)
{
    if (!IsDecodable(block))
        return;
    const int number = block[kBlockNumberPosition];
    if (number == 0) {
        KeepName(block);
        return;
    }
    if (number == 1)
        StoreName(memory);
    for (const StreamPart& part : kCurveParts) {
        if (part.block == number)
            DecodeCurveBytes(Bytes(block, part), part.streamStart, memory);
    }
}

void CEdDumpBlockDecoder::DecodeOffsetPart(std::span<const std::uint8_t> block, CEdUserMemory& memory)
{
    if (!IsDecodable(block))
        return;
    const int number = block[kBlockNumberPosition];
    for (const StreamPart& part : kOffsetParts) {
        if (part.block == number)
            DecodeOffsetBytes(Bytes(block, part), part.streamStart, memory);
    }
    if (number == 6)
        DecodeMidiSettings(block, memory);
}

void CEdDumpBlockDecoder::KeepName(std::span<const std::uint8_t> block)
{
    // A longer length cannot be honoured: only 116 bytes are kept.
    m_nameLength = std::min<std::size_t>(block[10], kNameBytes);
    std::copy_n(block.begin() + 11, kNameBytes, m_nameBytes.begin());
}

void CEdDumpBlockDecoder::StoreName(CEdUserMemory& memory) const
{
    QString name;
    // An incomplete last group is dropped.
    for (std::size_t i = 0; i + 3 <= m_nameLength; i += 3) {
        const unsigned unit = m_nameBytes[i] + m_nameBytes[i + 1] * 128u + (m_nameBytes[i + 2] & 0x03u) * 16384u;
        name.append(QChar(static_cast<char16_t>(unit & 0xFFFFu)));
    }
    memory.GetTouchCurve()->SetName(name);
}

void CEdDumpBlockDecoder::DecodeCurveBytes(std::span<const std::uint8_t> bytes, int streamStart,
                                           CEdUserMemory& memory)
{
    CEdTouchCurveData& curve = *memory.GetTouchCurve();
    int stream = streamStart;
    for (std::uint8_t byte : bytes) {
        const int point = stream / 2;
        if (stream % 2 == 0) {
            // Flag byte; when it is the last byte of a block, the value comes with the next one.
            m_lastCurveFlag = byte;
            if (byte == kNoPointFlag)
                curve.SetPoint(point, CEdTouchCurveData::kNoPoint);
        } else if (m_lastCurveFlag != kNoPointFlag) {
            curve.SetPoint(point, byte);
        }
        ++stream;
    }
}

void CEdDumpBlockDecoder::DecodeOffsetBytes(std::span<const std::uint8_t> bytes, int streamStart,
                                            CEdUserMemory& memory)
{
    CEdOffsetData& offsets = *memory.GetOffsetData();
    // A block that starts inside a triplet lost its note byte to the previous block; the
    // triplets are in note order, so the note is the triplet's index.
    int note = streamStart / 3;
    int msb = 0;
    int stream = streamStart;
    for (std::uint8_t byte : bytes) {
        switch (stream % 3) {
        case 0:
            note = byte;
            break;
        case 1:
            msb = byte;
            break;
        default: {
            const int index = note - CEdOffsetData::kFirstNote;
            if (index >= 0 && index < CEdOffsetData::kKeyCount)
                offsets.SetOffset(static_cast<unsigned>(index), (msb - 64) * 128 + (byte & 0x7F));
            break;
        }
        }
        ++stream;
    }
}

void CEdDumpBlockDecoder::DecodeMidiSettings(std::span<const std::uint8_t> block, CEdUserMemory& memory)
{
    CEdMidiSettingData& settings = *memory.GetMidiSettingData();
    settings.SetChannel(EdDecodeChannelMask(block[69], block[70], block[71]));
    settings.SetRightPedalCC(block[73]);
    settings.SetCenterPedalCC(block[75]);
    settings.SetLeftPedalCC(block[77]);
    const int midiOut = block[78];
    const int usbOut = block[79];
    settings.SetKeyboardToMidiOut(midiOut & 1);
    settings.SetMidiInToMidiOut(midiOut & 2);
    settings.SetPcToMidiOut(midiOut & 4);
    settings.SetKeyboardToUsbMidiOut(usbOut & 1);
    settings.SetMidiInToUsbMidiOut(usbOut & 2);
}
