#pragma once

#include "Qjx1Device.h"

#include <TessarineVirtualPorts.h>

#include <memory>
#include <string>

// The simulated instrument plugged into the MIDI library's in-process ports: the library finds
// an input and an output port named like the instrument's and talks to it as to hardware.
class Qjx1VirtualInstrument
{
public:
    static inline const std::string kPortName = "ZELVO USB MIDI";

    // portName lets a test plug in a second instrument ("ZELVO USB MIDI 2").
    explicit Qjx1VirtualInstrument(const std::string& portName = kPortName,
                                   Qjx1State state = Qjx1State::Believable());
    ~Qjx1VirtualInstrument();
    Qjx1VirtualInstrument(const Qjx1VirtualInstrument&) = delete;
    Qjx1VirtualInstrument& operator=(const Qjx1VirtualInstrument&) = delete;

    Qjx1Device& Device() { return *m_device; }
    // The instrument's ports as the library sees them: it sends to `Input`, receives from
    // `Output`. Their knobs refuse opening or unplug the instrument.
    CTessarineVirtualOutPort& Input() { return m_fromLibrary; }
    CTessarineVirtualInPort& Output() { return m_toLibrary; }

    // Pulls the cable: both ports leave, and nothing more is sent.
    void Unplug();
    void Plug();

private:
    CTessarineVirtualOutPort m_fromLibrary;
    CTessarineVirtualInPort m_toLibrary;
    std::unique_ptr<Qjx1Device> m_device;
};
