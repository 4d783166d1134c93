#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace tessarine {

class VirtualInputPort;

// What a peer's port and the library's connections on it share. `mutex` guards everything but
// the receiver, which has its own lock so the peer can clear it while a send is in progress.
struct VirtualPortState
{
    VirtualPortState(std::string portName, bool output) : name(std::move(portName)), isOutput(output) {}

    const std::string name;
    const bool isOutput;

    mutable std::mutex mutex;
    mutable std::condition_variable delivered; // pending reached 0
    bool plugged = false;
    int refuseOpen = 0;
    int failClose = 0;
    int failSend = 0;
    int failStart = 0;
    int failStop = 0;
    int openCount = 0;
    int totalOpenCount = 0;

    // Output side: what the library sent.
    bool recording = true;
    std::vector<std::vector<std::uint8_t>> received;
    std::mutex receiverMutex;
    std::function<void(std::span<const std::uint8_t>)> receiver;

    // Input side: the library's open connections and the messages injected but not delivered.
    std::vector<VirtualInputPort*> connections;
    std::size_t pending = 0;
};

// Consumes one fault of a count as the peer API sets it (negative: always).
inline bool takeFault(int& count)
{
    if (count < 0)
        return true;
    if (count > 0) {
        --count;
        return true;
    }
    return false;
}

} // namespace tessarine
