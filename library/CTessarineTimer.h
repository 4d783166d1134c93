#pragma once

#include "TessarineTimerSource.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// The library's periodic timer: a thread that calls up to five clients every period with the
// milliseconds since it started. While nothing plays the clients return at once, so an idle
// timer costs one short wake-up per period.
class CTessarineTimer
{
public:
    using Callback = void (*)(std::uint32_t elapsed, std::uintptr_t argument);
    static constexpr std::int32_t MAX_CLIENTS = 5;

    CTessarineTimer() = default;
    CTessarineTimer(const CTessarineTimer&) = delete;
    CTessarineTimer& operator=(const CTessarineTimer&) = delete;
    // Stops the thread if it runs.
    virtual ~CTessarineTimer();

    // Ignored when five clients are there or this one is already; add clients before Start.
    void AddClient(Callback callback, std::uintptr_t argument);
    std::int32_t GetClientCount() const { return m_clientCount.load(); }
    // The period is the requested one or the clock's minimum, whichever is larger. A running
    // timer is left as it is. Throws TESSARINEERR_TIMER_SET_EVENT when the thread cannot start.
    void Start(std::uint16_t requestedPeriod);
    // Once it returns no client runs any more.
    void Kill();
    std::uint16_t GetPeriod() const { return m_period.load(); }
    bool IsRunning() const { return m_running.load() != 0; }

private:
    void Run();

    std::atomic<std::uint16_t> m_period{0};
    std::atomic<std::int32_t> m_running{0};
    std::uint32_t m_startTime = 0;
    std::atomic<std::int32_t> m_clientCount{0};
    std::array<Callback, MAX_CLIENTS> m_callbacks{};
    std::array<std::uintptr_t, MAX_CLIENTS> m_arguments{};
    tessarine::TimerSource m_source{};

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
};
