#include "VirtualInputPort.h"

#include "../ShortMessage.h"

#include <algorithm>

namespace tessarine {

VirtualInputPort::VirtualInputPort(std::shared_ptr<VirtualPortState> state, InputSink& sink)
    : m_state(std::move(state)), m_sink(sink)
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->connections.push_back(this);
        ++m_state->openCount;
    }
    try {
        m_thread = std::thread([this] { run(); });
    } catch (...) {
        std::lock_guard lock(m_state->mutex);
        detachLocked();
        throw;
    }
}

VirtualInputPort::~VirtualInputPort()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_started = false;
        discardQueueLocked();
        detachLocked();
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

bool VirtualInputPort::start()
{
    std::lock_guard lock(m_state->mutex);
    if (!m_attached || takeFault(m_state->failStart))
        return false;
    m_started = true;
    return true;
}

bool VirtualInputPort::stop()
{
    {
        std::lock_guard lock(m_state->mutex);
        if (takeFault(m_state->failStop))
            return false;
        m_started = false;
        discardQueueLocked();
    }
    // Wait for a delivery that began before the stop.
    std::lock_guard wait(m_deliveryMutex);
    return true;
}

bool VirtualInputPort::close()
{
    std::lock_guard lock(m_state->mutex);
    if (takeFault(m_state->failClose))
        return false;
    m_started = false;
    discardQueueLocked();
    detachLocked();
    return true;
}

void VirtualInputPort::enqueueLocked(std::span<const std::uint8_t> message, bool isSysEx)
{
    if (!m_started)
        return;
    m_queue.push_back({std::vector<std::uint8_t>(message.begin(), message.end()), isSysEx});
    ++m_state->pending;
    m_wake.notify_one();
}

void VirtualInputPort::run()
{
    std::unique_lock lock(m_state->mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || !m_queue.empty(); });
        if (m_quit)
            return;
        Message message = std::move(m_queue.front());
        m_queue.pop_front();
        {
            // Taken before the state lock is released, so a stop() that follows waits for it.
            std::lock_guard delivering(m_deliveryMutex);
            lock.unlock();
            if (message.isSysEx)
                m_sink.onSysEx(message.bytes);
            else
                m_sink.onShortMessage(packShortMessage(message.bytes));
        }
        lock.lock();
        if (--m_state->pending == 0)
            m_state->delivered.notify_all();
    }
}

void VirtualInputPort::discardQueueLocked()
{
    m_state->pending -= m_queue.size();
    m_queue.clear();
    if (m_state->pending == 0)
        m_state->delivered.notify_all();
}

void VirtualInputPort::detachLocked()
{
    if (!m_attached)
        return;
    m_attached = false;
    std::erase(m_state->connections, this);
    --m_state->openCount;
}

} // namespace tessarine
