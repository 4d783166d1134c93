#pragma once

#include "../PortLayer.h"
#include "RtMidiErrorFlag.h"

#include <RtMidi.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace tessarine {

// Receives on RtMidi's own input thread (the ALSA reader or the JACK process thread).
class RtMidiInputPort final : public InputPort
{
public:
    // Null when the port did not open.
    static std::unique_ptr<RtMidiInputPort> open(RtMidi::Api api, std::uint32_t index, InputSink& sink);
    ~RtMidiInputPort() override;

    bool start() override;
    bool stop() override;
    bool close() override;

private:
    explicit RtMidiInputPort(InputSink& sink) : m_sink(sink) {}
    static void onMessage(double timeStamp, std::vector<unsigned char>* message, void* self);

    InputSink& m_sink;
    std::atomic<bool> m_running{false};
    // Held for every sink call, so stop() can wait for the one in progress.
    std::mutex m_deliveryMutex;
    std::unique_ptr<RtMidiErrorFlag> m_error = std::make_unique<RtMidiErrorFlag>();
    std::unique_ptr<RtMidiIn> m_in;
};

} // namespace tessarine
