#include "RtMidiOutputPort.h"

#include "../ShortMessage.h"

#include <chrono>
#include <thread>

namespace tessarine {

namespace {
constexpr std::chrono::milliseconds kJackConnectionSettle{50};
}

std::unique_ptr<RtMidiOutputPort> RtMidiOutputPort::open(RtMidi::Api api, std::uint32_t index)
{
    try {
        std::unique_ptr<RtMidiOutputPort> port(new RtMidiOutputPort);
        port->m_out = std::make_unique<RtMidiOut>(api, "Tessarine");
        port->m_error->attach(*port->m_out);
        if (index >= port->m_out->getPortCount())
            return nullptr;
        port->m_out->openPort(index, "Tessarine Out");
        if (!port->m_error->ok() || !port->m_out->isPortOpen())
            return nullptr;
        // A new JACK connection carries data only from a later period on: what is sent at once
        // (the editor's first request) would be lost. A few periods are a few milliseconds.
        if (api == RtMidi::UNIX_JACK)
            std::this_thread::sleep_for(kJackConnectionSettle);
        return port;
    } catch (...) {
        return nullptr;
    }
}

bool RtMidiOutputPort::close()
{
    try {
        if (m_out) {
            m_out->closePort();
            m_out.reset();
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool RtMidiOutputPort::sendShort(std::uint32_t packed)
{
    const UnpackedShortMessage m = unpackShortMessage(packed);
    if (m.length == 0)
        return false;
    return send(m.bytes.data(), m.length);
}

bool RtMidiOutputPort::sendLong(std::span<const std::uint8_t> message)
{
    if (message.empty())
        return false;
    return send(message.data(), message.size());
}

bool RtMidiOutputPort::send(const std::uint8_t* bytes, std::size_t length)
{
    if (!m_out || !m_out->isPortOpen())
        return false;
    try {
        m_out->sendMessage(bytes, length);
        return m_error->ok();
    } catch (...) {
        return false;
    }
}

} // namespace tessarine
