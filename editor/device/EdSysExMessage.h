#pragma once

#include <cstdint>
#include <vector>

// One outgoing SysEx message, complete with F0 ... F7, and whether a failed send of it must drop
// the connection (the frame's SendSysEx argument reconnectOnError).
struct CEdSysExMessage
{
    std::vector<std::uint8_t> bytes;
    bool reconnectOnError = true;

    bool operator==(const CEdSysExMessage&) const = default;
};

// The one send path to the instrument. The main frame implements it; tests record into it.
class IEdSysExSender
{
public:
    virtual ~IEdSysExSender() = default;
    // Returns false when the message could not be sent (nothing is sent in demo mode: true).
    virtual bool SendSysEx(const std::uint8_t* data, int length, bool reconnectOnError) = 0;

    bool Send(const CEdSysExMessage& message)
    {
        return SendSysEx(message.bytes.data(), static_cast<int>(message.bytes.size()),
                         message.reconnectOnError);
    }
};

// Common header of the instrument's messages: F0 40 7F function 06 01 command.
inline std::vector<std::uint8_t> EdSysExHeader(std::uint8_t function, std::uint8_t command)
{
    return {0xF0, 0x40, 0x7F, function, 0x06, 0x01, command};
}
