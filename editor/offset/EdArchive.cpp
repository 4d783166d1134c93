#include "EdArchive.h"

namespace {
constexpr std::uint8_t kByteEscape = 0xFF;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;
constexpr std::uint16_t kWordEscape = 0xFFFF;
constexpr std::uint32_t kDwordEscape = 0xFFFFFFFF;
} // namespace

CEdArchive::CEdArchive() : m_storing(true) {}

CEdArchive::CEdArchive(std::span<const std::uint8_t> bytes) : m_storing(false), m_input(bytes) {}

void CEdArchive::WriteRaw(std::uint64_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        m_buffer.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t CEdArchive::ReadRaw(int byteCount)
{
    if (Remaining() < static_cast<std::size_t>(byteCount))
        throw CEdFileException("The file ends early");
    std::uint64_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= std::uint64_t{m_input[m_pos + static_cast<std::size_t>(i)]} << (8 * i);
    m_pos += static_cast<std::size_t>(byteCount);
    return value;
}

void CEdArchive::WriteInt32(std::int32_t value)
{
    WriteRaw(static_cast<std::uint32_t>(value), 4);
}

std::int32_t CEdArchive::ReadInt32()
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadRaw(4)));
}

void CEdArchive::WriteString(const QString& text)
{
    const auto length = static_cast<std::uint64_t>(text.size());
    WriteRaw(kByteEscape, 1);
    WriteRaw(kUnicodeMarker, 2);
    if (length < kByteEscape) {
        WriteRaw(length, 1);
    } else if (length < kUnicodeMarker) {
        WriteRaw(kByteEscape, 1);
        WriteRaw(length, 2);
    } else {
        WriteRaw(kByteEscape, 1);
        WriteRaw(kWordEscape, 2);
        WriteRaw(length, 4);
    }
    for (QChar c : text)
        WriteRaw(c.unicode(), 2);
}

std::uint64_t CEdArchive::ReadLength(bool& unicode)
{
    // The marker FF FE FF may stand before the length; after it the scheme starts again.
    for (;;) {
        const std::uint64_t b = ReadRaw(1);
        if (b < kByteEscape)
            return b;
        const std::uint64_t w = ReadRaw(2);
        if (w == kUnicodeMarker) {
            unicode = true;
            continue;
        }
        if (w < kWordEscape)
            return w;
        const std::uint64_t dw = ReadRaw(4);
        if (dw < kDwordEscape)
            return dw;
        return ReadRaw(8);
    }
}

QString CEdArchive::ReadString()
{
    bool unicode = false;
    const std::uint64_t length = ReadLength(unicode);
    // Check against what is left before allocating: a huge length is a broken file, not a request.
    const std::uint64_t unitSize = unicode ? 2 : 1;
    if (length > Remaining() / unitSize)
        throw CEdFileException("The file ends early");

    QString text;
    text.reserve(static_cast<qsizetype>(length));
    for (std::uint64_t i = 0; i < length; ++i) {
        if (unicode)
            text.append(QChar(static_cast<char16_t>(ReadRaw(2))));
        else // single-byte names: Latin-1 is the fixed code page here
            text.append(QChar::fromLatin1(static_cast<char>(ReadRaw(1))));
    }
    return text;
}
