#pragma once

#include <RtMidi.h>

#include <atomic>
#include <string>

namespace tessarine {

// RtMidi reports errors through this callback instead of throwing once it is set; warnings
// (an empty port list, a missing JACK server) are not failures.
struct RtMidiErrorFlag
{
    std::atomic<bool> failed{false};

    static void onError(RtMidiError::Type type, const std::string& /*text*/, void* self)
    {
        if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
            static_cast<RtMidiErrorFlag*>(self)->failed.store(true);
    }

    void attach(RtMidi& midi) { midi.setErrorCallback(&RtMidiErrorFlag::onError, this); }
    // True when no error was reported since the last call.
    bool ok() { return !failed.exchange(false); }
};

} // namespace tessarine
