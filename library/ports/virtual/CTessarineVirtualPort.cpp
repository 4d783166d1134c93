#include "TessarineVirtualPorts.h"

#include "../ShortMessage.h"
#include "VirtualInputPort.h"
#include "VirtualPortRegistry.h"

#include <utility>

using tessarine::VirtualPortRegistry;
using tessarine::VirtualPortState;

CTessarineVirtualPort::CTessarineVirtualPort(std::string name, bool isOutput)
    : m_state(std::make_shared<VirtualPortState>(std::move(name), isOutput))
{
    Plug();
}

CTessarineVirtualPort::~CTessarineVirtualPort()
{
    Unplug();
}

const std::string& CTessarineVirtualPort::GetName() const
{
    return m_state->name;
}

void CTessarineVirtualPort::RefuseOpen(int times)
{
    std::lock_guard lock(m_state->mutex);
    m_state->refuseOpen = times;
}

void CTessarineVirtualPort::FailClose(int times)
{
    std::lock_guard lock(m_state->mutex);
    m_state->failClose = times;
}

void CTessarineVirtualPort::Unplug()
{
    std::lock_guard lock(m_state->mutex);
    m_state->plugged = false;
    VirtualPortRegistry::instance().unplug(m_state.get());
}

void CTessarineVirtualPort::Plug()
{
    std::lock_guard lock(m_state->mutex);
    if (m_state->plugged)
        return;
    m_state->plugged = true;
    VirtualPortRegistry::instance().plug(m_state);
}

bool CTessarineVirtualPort::IsPlugged() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->plugged;
}

int CTessarineVirtualPort::GetOpenCount() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->openCount;
}

int CTessarineVirtualPort::GetTotalOpenCount() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->totalOpenCount;
}

CTessarineVirtualOutPort::CTessarineVirtualOutPort(std::string name) : CTessarineVirtualPort(std::move(name), true) {}

CTessarineVirtualOutPort::~CTessarineVirtualOutPort()
{
    Unplug();
    // Waits for a send that is calling the receiver now.
    std::lock_guard lock(m_state->receiverMutex);
    m_state->receiver = nullptr;
}

void CTessarineVirtualOutPort::SetReceiver(Receiver receiver)
{
    std::lock_guard lock(m_state->receiverMutex);
    m_state->receiver = std::move(receiver);
}

std::vector<std::vector<std::uint8_t>> CTessarineVirtualOutPort::GetReceived() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->received;
}

std::vector<std::vector<std::uint8_t>> CTessarineVirtualOutPort::TakeReceived()
{
    std::lock_guard lock(m_state->mutex);
    return std::exchange(m_state->received, {});
}

void CTessarineVirtualOutPort::SetRecording(bool on)
{
    std::lock_guard lock(m_state->mutex);
    m_state->recording = on;
}

void CTessarineVirtualOutPort::FailSends(int times)
{
    std::lock_guard lock(m_state->mutex);
    m_state->failSend = times;
}

CTessarineVirtualInPort::CTessarineVirtualInPort(std::string name) : CTessarineVirtualPort(std::move(name), false) {}

CTessarineVirtualInPort::~CTessarineVirtualInPort() = default;

bool CTessarineVirtualInPort::Send(std::span<const std::uint8_t> message)
{
    if (message.empty())
        return false;
    bool isSysEx = false;
    if (message.front() == 0xF0) {
        if (message.size() < 2 || message.back() != 0xF7)
            return false;
        isSysEx = true;
    } else if (tessarine::shortMessageLength(message.front()) != message.size()) {
        return false;
    }
    std::lock_guard lock(m_state->mutex);
    if (!m_state->plugged)
        return true;
    for (tessarine::VirtualInputPort* connection : m_state->connections)
        connection->enqueueLocked(message, isSysEx);
    return true;
}

bool CTessarineVirtualInPort::SendShort(std::uint32_t packed)
{
    const auto m = tessarine::unpackShortMessage(packed);
    if (m.length == 0)
        return false;
    return Send(std::span(m.bytes.data(), m.length));
}

bool CTessarineVirtualInPort::WaitDelivered(std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_state->mutex);
    return m_state->delivered.wait_for(lock, timeout, [this] { return m_state->pending == 0; });
}

bool CTessarineVirtualInPort::IsStarted() const
{
    std::lock_guard lock(m_state->mutex);
    for (const tessarine::VirtualInputPort* connection : m_state->connections)
        if (connection->isStartedLocked())
            return true;
    return false;
}

void CTessarineVirtualInPort::FailStart(int times)
{
    std::lock_guard lock(m_state->mutex);
    m_state->failStart = times;
}

void CTessarineVirtualInPort::FailStop(int times)
{
    std::lock_guard lock(m_state->mutex);
    m_state->failStop = times;
}
