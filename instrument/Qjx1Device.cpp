#include "Qjx1Device.h"

Qjx1Device::Qjx1Device(Transmit transmit, Qjx1State state)
    : m_transmit(std::move(transmit)), m_instrument(std::move(state)), m_thread([this] { Run(); })
{
}

Qjx1Device::~Qjx1Device()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void Qjx1Device::OnReceived(std::span<const std::uint8_t> message)
{
    Qjx1Bytes bytes(message.begin(), message.end());
    std::unique_lock lock(m_mutex);
    const auto now = std::chrono::steady_clock::now() - m_start;
    m_log.push_back({std::chrono::duration_cast<std::chrono::milliseconds>(now).count(), bytes});
    auto answer = m_instrument.Receive(bytes);
    lock.unlock();
    Queue(std::move(answer));
}

void Qjx1Device::SelectMemoryOnPanel(int memory)
{
    std::unique_lock lock(m_mutex);
    auto out = m_instrument.SelectMemoryOnPanel(memory);
    lock.unlock();
    Queue(std::move(out));
}

void Qjx1Device::AnnounceDataChange()
{
    std::unique_lock lock(m_mutex);
    auto out = m_instrument.AnnounceDataChange();
    lock.unlock();
    Queue(std::move(out));
}

void Qjx1Device::AnnounceFirmwareUpdate()
{
    std::unique_lock lock(m_mutex);
    auto out = m_instrument.AnnounceFirmwareUpdate();
    lock.unlock();
    Queue(std::move(out));
}

void Qjx1Device::PlayNote(int note, int velocity, int holdMs)
{
    std::unique_lock lock(m_mutex);
    auto out = m_instrument.PlayNote(note, velocity, holdMs);
    lock.unlock();
    Queue(std::move(out));
}

void Qjx1Device::SetKnobs(const Qjx1Knobs& knobs)
{
    std::lock_guard lock(m_mutex);
    m_instrument.Knobs() = knobs;
}

Qjx1Knobs Qjx1Device::GetKnobs() const
{
    std::lock_guard lock(m_mutex);
    return m_instrument.Knobs();
}

Qjx1State Qjx1Device::GetState() const
{
    std::lock_guard lock(m_mutex);
    return m_instrument.State();
}

void Qjx1Device::SetState(const Qjx1State& state)
{
    std::lock_guard lock(m_mutex);
    m_instrument.MutableState() = state;
}

bool Qjx1Device::ExitReceived() const
{
    std::lock_guard lock(m_mutex);
    return m_instrument.ExitReceived();
}

std::vector<Qjx1Bytes> Qjx1Device::OtherSysEx() const
{
    std::lock_guard lock(m_mutex);
    return m_instrument.OtherSysEx();
}

std::vector<Qjx1LogEntry> Qjx1Device::Log() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

bool Qjx1Device::WaitIdle(std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_queue.empty() && !m_sending; });
}

void Qjx1Device::DropPending()
{
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_changed.notify_all();
}

void Qjx1Device::Queue(std::vector<Qjx1Outgoing> messages)
{
    if (messages.empty())
        return;
    {
        std::lock_guard lock(m_mutex);
        for (auto& m : messages)
            m_queue.push_back(std::move(m));
    }
    m_changed.notify_all();
}

void Qjx1Device::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stop || !m_queue.empty(); });
        if (m_stop)
            return;
        const auto delay = std::chrono::milliseconds(m_queue.front().delayMs);
        // Waiting here lets a stop or a drop end the wait at once.
        if (delay.count() > 0 && m_changed.wait_for(lock, delay, [this] { return m_stop || m_queue.empty(); })) {
            if (m_stop)
                return;
            continue;
        }
        Qjx1Outgoing next = std::move(m_queue.front());
        m_queue.pop_front();
        m_sending = true;
        lock.unlock();
        m_transmit(next.bytes);
        lock.lock();
        m_sending = false;
        m_changed.notify_all();
    }
}
