#include "CTessarineTimer.h"

#include "Tessarine.h"

#include <algorithm>
#include <chrono>
#include <system_error>

CTessarineTimer::~CTessarineTimer()
{
    Kill();
}

void CTessarineTimer::AddClient(Callback callback, std::uintptr_t argument)
{
    const std::int32_t count = m_clientCount.load();
    if (count >= MAX_CLIENTS)
        return;
    for (std::int32_t i = 0; i < count; ++i)
        if (m_callbacks[static_cast<std::size_t>(i)] == callback && m_arguments[static_cast<std::size_t>(i)] == argument)
            return;
    m_callbacks[static_cast<std::size_t>(count)] = callback;
    m_arguments[static_cast<std::size_t>(count)] = argument;
    m_clientCount.store(count + 1);
}

void CTessarineTimer::Start(std::uint16_t requestedPeriod)
{
    if (IsRunning())
        return;
    m_source = tessarine::timerSource();
    m_period = std::max(requestedPeriod, std::max<std::uint16_t>(m_source.minimumPeriod, 1));
    m_startTime = m_source.now(m_source.context);
    {
        std::lock_guard lock(m_mutex);
        m_stop = false;
    }
    try {
        m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        throw CTessarineException(TESSARINEERR_TIMER_SET_EVENT);
    }
    m_running = 1;
}

void CTessarineTimer::Kill()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
    m_running = 0;
}

void CTessarineTimer::Run()
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(m_period.load());
    auto next = Clock::now() + period;
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (m_wake.wait_until(lock, next, [this] { return m_stop; }))
            return;
        lock.unlock();
        const std::int32_t count = m_clientCount.load();
        for (std::int32_t i = 0; i < count; ++i) {
            const auto index = static_cast<std::size_t>(i);
            const std::uint32_t elapsed = m_source.now(m_source.context) - m_startTime;
            try {
                m_callbacks[index](elapsed, m_arguments[index]);
            } catch (...) {
                // A client's failure must not end the timer thread (nor the program).
            }
        }
        lock.lock();
        // Ticks missed while a client was busy (a long SysEx) are not made up in a burst: the
        // next tick sees the larger elapsed time instead.
        next += period;
        const auto now = Clock::now();
        if (next < now)
            next = now;
    }
}
