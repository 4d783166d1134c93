#pragma once

#include <cstdint>
#include <vector>

// An output device as the library's senders see it. The operations throw CTessarineException.
class CTessarineMidiDevice
{
public:
    CTessarineMidiDevice() = default;
    CTessarineMidiDevice(const CTessarineMidiDevice&) = delete;
    CTessarineMidiDevice& operator=(const CTessarineMidiDevice&) = delete;
    virtual ~CTessarineMidiDevice() = default;

    // Kind 0: the device id the next Open uses; kind 1: the target; other kinds return kind - 1.
    virtual std::intptr_t SetParam(std::uint16_t kind, std::intptr_t value, std::intptr_t reserved) = 0;
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual void ShortMsg(std::uint32_t message) = 0;
    // Stops at the first message that fails.
    virtual void ShortMsgList(const std::vector<std::uint32_t>& list) = 0;
    virtual void LongMsg(const std::uint8_t* data, std::uint32_t length) = 0;
};
