#include "Qjx1VirtualInstrument.h"

Qjx1VirtualInstrument::Qjx1VirtualInstrument(const std::string& portName, Qjx1State state)
    : m_fromLibrary(portName), m_toLibrary(portName)
{
    m_fromLibrary.SetRecording(false);
    m_device = std::make_unique<Qjx1Device>([this](const Qjx1Bytes& bytes) { m_toLibrary.Send(bytes); },
                                            std::move(state));
    m_fromLibrary.SetReceiver([this](std::span<const std::uint8_t> message) { m_device->OnReceived(message); });
}

Qjx1VirtualInstrument::~Qjx1VirtualInstrument()
{
    // The receiver calls into the device: it goes first, then the device and its thread.
    m_fromLibrary.SetReceiver({});
    m_device.reset();
}

void Qjx1VirtualInstrument::Unplug()
{
    m_device->DropPending();
    m_fromLibrary.Unplug();
    m_toLibrary.Unplug();
}

void Qjx1VirtualInstrument::Plug()
{
    m_fromLibrary.Plug();
    m_toLibrary.Plug();
}
