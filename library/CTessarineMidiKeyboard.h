#pragma once

#include "CTessarineMidiDevice.h"
#include "CTessarineMidiOut.h"

#include <memory>

// The output device: one port, opened and closed with the retries of CTessarineMidiOut.
class CTessarineMidiKeyboard : public CTessarineMidiDevice
{
public:
    CTessarineMidiKeyboard() = default;
    // Destroys the port (closing it without retries) if there is one.
    ~CTessarineMidiKeyboard() override;

    std::intptr_t SetParam(std::uint16_t kind, std::intptr_t value, std::intptr_t reserved) override;
    // The port object stays after a failed open.
    void Open() override;
    // The port object stays after a failed close.
    void Close() override;
    void ShortMsg(std::uint32_t message) override;
    void ShortMsgList(const std::vector<std::uint32_t>& list) override;
    void LongMsg(const std::uint8_t* data, std::uint32_t length) override;

    CTessarineMidiOut* GetPort() const { return m_pPort.get(); }

private:
    std::unique_ptr<CTessarineMidiOut> m_pPort;
    std::int32_t m_deviceId = -1;
    std::intptr_t m_window = 0; // kept for callers that read it back; not used here
};
