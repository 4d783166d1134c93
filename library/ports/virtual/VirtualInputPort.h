#pragma once

#include "../PortLayer.h"
#include "VirtualPortState.h"

#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tessarine {

// The library's connection on a peer's CTessarineVirtualInPort. What the peer injects waits in
// this connection's queue and reaches the sink on the connection's own delivery thread.
class VirtualInputPort final : public InputPort
{
public:
    // Registers with the port and starts the delivery thread; throws std::system_error when no
    // thread can be made.
    VirtualInputPort(std::shared_ptr<VirtualPortState> state, InputSink& sink);
    ~VirtualInputPort() override;

    bool start() override;
    bool stop() override;
    bool close() override;

    // With m_state->mutex held: queue a copy when started.
    void enqueueLocked(std::span<const std::uint8_t> message, bool isSysEx);
    bool isStartedLocked() const { return m_started; }

private:
    struct Message
    {
        std::vector<std::uint8_t> bytes;
        bool isSysEx = false;
    };

    void run();
    void discardQueueLocked();
    void detachLocked();

    std::shared_ptr<VirtualPortState> m_state;
    InputSink& m_sink;
    // Guarded by m_state->mutex:
    std::condition_variable m_wake;
    std::deque<Message> m_queue;
    bool m_started = false;
    bool m_attached = true;
    bool m_quit = false;
    // Held for every sink call, so stop() can wait for the one in progress.
    std::mutex m_deliveryMutex;
    std::thread m_thread;
};

} // namespace tessarine
