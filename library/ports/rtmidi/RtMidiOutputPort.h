#pragma once

#include "../PortLayer.h"
#include "RtMidiErrorFlag.h"

#include <RtMidi.h>

#include <memory>

namespace tessarine {

class RtMidiOutputPort final : public OutputPort
{
public:
    // Null when the port did not open.
    static std::unique_ptr<RtMidiOutputPort> open(RtMidi::Api api, std::uint32_t index);
    ~RtMidiOutputPort() override = default;

    bool close() override;
    bool sendShort(std::uint32_t packed) override;
    bool sendLong(std::span<const std::uint8_t> message) override;

private:
    RtMidiOutputPort() = default;
    bool send(const std::uint8_t* bytes, std::size_t length);

    std::unique_ptr<RtMidiErrorFlag> m_error = std::make_unique<RtMidiErrorFlag>();
    std::unique_ptr<RtMidiOut> m_out;
};

} // namespace tessarine
