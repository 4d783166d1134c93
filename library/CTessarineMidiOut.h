#pragma once

#include "Tessarine.h"
#include "ports/PortLayer.h"

#include <cstdint>
#include <memory>
#include <vector>

// One opened output port, with the buffer of the most recent long message.
class CTessarineMidiOut
{
public:
    static constexpr int kOpenCloseAttempts = 20;
    static constexpr std::uint32_t kOpenCloseRetryMs = 500;
    static constexpr int kShortMsgAttempts = 3;
    static constexpr std::uint32_t kShortMsgRetryMs = 1;

    explicit CTessarineMidiOut(std::int32_t deviceId);
    // Closes the port if it is open, without retries.
    virtual ~CTessarineMidiOut();
    CTessarineMidiOut(const CTessarineMidiOut&) = delete;
    CTessarineMidiOut& operator=(const CTessarineMidiOut&) = delete;

    // Up to 20 attempts 500 ms apart; throws TESSARINEERR_MIDI_OUT_OPEN.
    void Open();
    // Up to 20 attempts 500 ms apart when open; throws TESSARINEERR_MIDI_OUT_CLOSE.
    void Close();
    // Bits 0-23 only; up to 3 attempts 1 ms apart; throws TESSARINEERR_MIDI_OUT_SHORTMSG.
    void ShortMsg(std::uint32_t message);
    // Sends, then waits one millisecond per byte; throws TESSARINEERR_MIDI_OUT_LONGMSG.
    void LongMsg(const std::uint8_t* data, std::uint32_t length);

    bool IsOpen() const { return m_handle != nullptr; }
    std::int32_t GetDeviceId() const { return m_deviceId; }

private:
    struct LongMsgHeader
    {
        tagTESSARINEMIDIHDR header{};
        std::vector<std::uint8_t> buffer;
    };

    std::unique_ptr<tessarine::OutputPort> m_handle;
    std::int32_t m_deviceId = -1;
    std::unique_ptr<LongMsgHeader> m_pHeader;
};
