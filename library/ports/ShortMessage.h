#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tessarine {

// Bytes of a short message with this status byte; 0 for a data byte or a SysEx framing byte,
// which cannot start a short message of its own.
constexpr std::size_t shortMessageLength(std::uint8_t status)
{
    if (status < 0x80 || status == 0xF0 || status == 0xF7)
        return 0;
    if (status < 0xF0)
        return (status & 0xE0) == 0xC0 ? 2 : 3;
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
        return 3;
    default:
        return 1;
    }
}

struct UnpackedShortMessage
{
    std::array<std::uint8_t, 3> bytes{};
    std::size_t length = 0; // 0 when the message is not a valid short message
};

constexpr UnpackedShortMessage unpackShortMessage(std::uint32_t packed)
{
    UnpackedShortMessage m;
    m.bytes = {static_cast<std::uint8_t>(packed & 0xFF), static_cast<std::uint8_t>((packed >> 8) & 0xFF),
               static_cast<std::uint8_t>((packed >> 16) & 0xFF)};
    m.length = shortMessageLength(m.bytes[0]);
    return m;
}

// Status in bits 0-7, first data byte in bits 8-15, second in bits 16-23; missing bytes are 0.
constexpr std::uint32_t packShortMessage(std::span<const std::uint8_t> bytes)
{
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 3; ++i)
        packed |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return packed;
}

} // namespace tessarine
