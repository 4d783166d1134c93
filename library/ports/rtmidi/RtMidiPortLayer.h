#pragma once

#include "../PortLayer.h"

#include <memory>

namespace tessarine {

enum class RtMidiSystem
{
    Automatic, // ALSA sequencer where it exists, else JACK; the platform's own system elsewhere
    Alsa,
    Jack,
};

// Real ports of the system through RtMidi. Never null: a MIDI system that cannot be reached
// gives a layer without ports.
std::unique_ptr<PortLayer> makeRtMidiPortLayer(RtMidiSystem system);

} // namespace tessarine
