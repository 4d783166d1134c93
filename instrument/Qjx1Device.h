#pragma once

#include "Qjx1Instrument.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

// One received message and when it arrived, in milliseconds since the device started.
struct Qjx1LogEntry
{
    std::int64_t timeMs = 0;
    Qjx1Bytes bytes;
};

// The instrument as a running device: it takes messages from any thread, applies them at once,
// and sends its answers from a thread of its own at their pace, as hardware does. The transmit
// function is the wire (a virtual port, an RtMidi port); it is never called from OnReceived.
class Qjx1Device
{
public:
    using Transmit = std::function<void(const Qjx1Bytes&)>;

    explicit Qjx1Device(Transmit transmit, Qjx1State state = Qjx1State::Believable());
    ~Qjx1Device();
    Qjx1Device(const Qjx1Device&) = delete;
    Qjx1Device& operator=(const Qjx1Device&) = delete;

    void OnReceived(std::span<const std::uint8_t> message);

    void SelectMemoryOnPanel(int memory);
    void AnnounceDataChange();
    void AnnounceFirmwareUpdate();
    void PlayNote(int note, int velocity, int holdMs = 50);

    void SetKnobs(const Qjx1Knobs& knobs);
    Qjx1Knobs GetKnobs() const;
    Qjx1State GetState() const;
    void SetState(const Qjx1State& state);
    bool ExitReceived() const;
    std::vector<Qjx1Bytes> OtherSysEx() const;
    std::vector<Qjx1LogEntry> Log() const;

    // Waits until every queued answer has been sent; false on time-out.
    bool WaitIdle(std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
    // Drops answers not sent yet (a port that went away).
    void DropPending();

private:
    void Queue(std::vector<Qjx1Outgoing> messages);
    void Run();

    Transmit m_transmit;
    const std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    Qjx1Instrument m_instrument;
    std::vector<Qjx1LogEntry> m_log;
    std::deque<Qjx1Outgoing> m_queue;
    bool m_sending = false;
    bool m_stop = false;
    std::thread m_thread; // last: starts after everything it uses exists
};
