#include "RtMidiInputPort.h"

#include "../ShortMessage.h"

namespace tessarine {

std::unique_ptr<RtMidiInputPort> RtMidiInputPort::open(RtMidi::Api api, std::uint32_t index, InputSink& sink)
{
    try {
        std::unique_ptr<RtMidiInputPort> port(new RtMidiInputPort(sink));
        // RtMidi's polling queue is not used: messages go to the callback.
        port->m_in = std::make_unique<RtMidiIn>(api, "Tessarine", 1);
        port->m_error->attach(*port->m_in);
        if (index >= port->m_in->getPortCount())
            return nullptr;
        // SysEx is filtered by default; timing and active sensing pass as a driver passes them.
        port->m_in->ignoreTypes(false, false, false);
        port->m_in->setCallback(&RtMidiInputPort::onMessage, port.get());
        port->m_in->openPort(index, "Tessarine In");
        if (!port->m_error->ok() || !port->m_in->isPortOpen())
            return nullptr;
        return port;
    } catch (...) {
        return nullptr;
    }
}

RtMidiInputPort::~RtMidiInputPort()
{
    stop();
    close();
}

bool RtMidiInputPort::start()
{
    if (!m_in)
        return false;
    m_running.store(true);
    return true;
}

bool RtMidiInputPort::stop()
{
    m_running.store(false);
    std::lock_guard wait(m_deliveryMutex);
    return true;
}

bool RtMidiInputPort::close()
{
    try {
        if (m_in) {
            m_in->closePort();
            // Deleting it ends RtMidi's input thread.
            m_in.reset();
        }
        return true;
    } catch (...) {
        return false;
    }
}

void RtMidiInputPort::onMessage(double /*timeStamp*/, std::vector<unsigned char>* message, void* self)
{
    auto* port = static_cast<RtMidiInputPort*>(self);
    if (!message || message->empty())
        return;
    std::lock_guard delivering(port->m_deliveryMutex);
    if (!port->m_running.load())
        return;
    const std::span<const std::uint8_t> bytes(message->data(), message->size());
    if (bytes.front() == 0xF0)
        port->m_sink.onSysEx(bytes);
    else if (shortMessageLength(bytes.front()) == bytes.size())
        port->m_sink.onShortMessage(packShortMessage(bytes));
}

} // namespace tessarine
