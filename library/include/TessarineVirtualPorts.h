#pragma once

// In-process MIDI ports for a peer in the same process (a simulated instrument, tests). A peer
// object registers a port by name while it lives; the library finds and opens it like a port of
// the system once the virtual port layer is chosen (tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL) or
// TESSARINE_PORTS=virtual).
//
//   CTessarineVirtualOutPort  the library's output port: the peer receives what the library sends.
//   CTessarineVirtualInPort   the library's input port: the peer injects what the library receives,
//                             delivered on a thread of its own as a driver would.
//
// All member functions may be called from any thread.

#include "TessarineExport.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tessarine {
struct VirtualPortState;
}

class TESSARINE_API CTessarineVirtualPort
{
public:
    // For the fault counts: fail every time until cleared.
    static constexpr int kAlways = -1;

    CTessarineVirtualPort(const CTessarineVirtualPort&) = delete;
    CTessarineVirtualPort& operator=(const CTessarineVirtualPort&) = delete;

    const std::string& GetName() const;

    // Fault knobs: the next `times` attempts fail (kAlways: all of them; 0 clears).
    void RefuseOpen(int times = kAlways);
    void FailClose(int times = kAlways);

    // An unplugged port leaves the enumeration; a connection the library holds on it stays
    // open but carries nothing (sends fail, nothing is delivered). Plugging it in again puts it
    // at the end of the enumeration.
    void Unplug();
    void Plug();
    bool IsPlugged() const;

    // Connections the library holds open on this port now, and opened in all.
    int GetOpenCount() const;
    int GetTotalOpenCount() const;

protected:
    CTessarineVirtualPort(std::string name, bool isOutput);
    ~CTessarineVirtualPort();

    std::shared_ptr<tessarine::VirtualPortState> m_state;
};

class TESSARINE_API CTessarineVirtualOutPort : public CTessarineVirtualPort
{
public:
    using Receiver = std::function<void(std::span<const std::uint8_t> message)>;

    explicit CTessarineVirtualOutPort(std::string name);
    // Unregisters; once it returns the receiver is not called again.
    ~CTessarineVirtualOutPort();

    // Called on the sending thread for every message the library sends, short ones as their
    // 1-3 bytes. It may inject into an in-port but must not call SetReceiver.
    void SetReceiver(Receiver receiver);
    // Every message received since the last TakeReceived (kept unless recording is off).
    std::vector<std::vector<std::uint8_t>> GetReceived() const;
    std::vector<std::vector<std::uint8_t>> TakeReceived();
    void SetRecording(bool on);

    void FailSends(int times = kAlways);
};

class TESSARINE_API CTessarineVirtualInPort : public CTessarineVirtualPort
{
public:
    explicit CTessarineVirtualInPort(std::string name);
    ~CTessarineVirtualInPort();

    // A short message (1-3 bytes) or a complete SysEx message F0 ... F7. Reaches every started
    // connection of the library in order; with none, or unplugged, it is dropped. False when the
    // bytes are neither.
    bool Send(std::span<const std::uint8_t> message);
    bool Send(std::initializer_list<std::uint8_t> message)
    {
        return Send(std::span<const std::uint8_t>(message.begin(), message.size()));
    }
    // Packed as the library posts it: status in bits 0-7, data in bits 8-15 and 16-23.
    bool SendShort(std::uint32_t packed);
    // Waits until everything sent so far was delivered; false on time-out.
    bool WaitDelivered(std::chrono::milliseconds timeout = std::chrono::milliseconds(2000)) const;
    // True while the library's connection is started (receiving).
    bool IsStarted() const;

    void FailStart(int times = kAlways);
    void FailStop(int times = kAlways);
};
