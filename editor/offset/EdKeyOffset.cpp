#include "EdKeyOffset.h"

#include "EdOffsetData.h"

namespace {
const char* const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr int kOffsetCentre = 0x2000;
} // namespace

QString EdKeyName(int keyIndex)
{
    if (keyIndex < 0 || keyIndex >= CEdOffsetData::kKeyCount)
        return {};
    const int position = keyIndex + 9;
    return QString::fromLatin1(kNoteNames[position % 12]) + QString::number(position / 12);
}

bool EdIsBlackKey(int keyIndex)
{
    switch ((keyIndex + 9) % 12) {
    case 1: case 3: case 6: case 8: case 10: return true;
    default: return false;
    }
}

CEdSysExMessage EdMakeKeyOffsetMessage(int keyIndex, int offset)
{
    const int v = offset + kOffsetCentre;
    auto bytes = EdSysExHeader(0x10, 0x31);
    bytes.push_back(static_cast<std::uint8_t>((keyIndex + CEdOffsetData::kFirstNote) & 0x7F));
    bytes.push_back(static_cast<std::uint8_t>((v >> 7) & 0x7F));
    bytes.push_back(static_cast<std::uint8_t>(v & 0x7F));
    bytes.push_back(0xF7);
    return {bytes, true};
}
