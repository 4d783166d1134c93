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
    std::atomic<bool> warned{false};

    static void onError(RtMidiError::Type type, const std::string& /*text*/, void* self)
    {
        auto* flag = static_cast<RtMidiErrorFlag*>(self);
        if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
            flag->failed.store(true);
        else
            flag->warned.store(true);
    }

    void attach(RtMidi& midi) { midi.setErrorCallback(&RtMidiErrorFlag::onError, this); }
    // True when no error was reported since the last call.
    bool ok() { return !failed.exchange(false); }
    // True when a warning was reported since the last call.
    bool takeWarning() { return warned.exchange(false); }
};

} // namespace tessarine
