#include "VirtualOutputPort.h"

#include "../ShortMessage.h"

namespace tessarine {

VirtualOutputPort::VirtualOutputPort(std::shared_ptr<VirtualPortState> state) : m_state(std::move(state))
{
    std::lock_guard lock(m_state->mutex);
    ++m_state->openCount;
}

VirtualOutputPort::~VirtualOutputPort()
{
    std::lock_guard lock(m_state->mutex);
    if (m_open) {
        m_open = false;
        --m_state->openCount;
    }
}

bool VirtualOutputPort::close()
{
    std::lock_guard lock(m_state->mutex);
    if (takeFault(m_state->failClose))
        return false;
    if (m_open) {
        m_open = false;
        --m_state->openCount;
    }
    return true;
}

bool VirtualOutputPort::sendShort(std::uint32_t packed)
{
    const UnpackedShortMessage m = unpackShortMessage(packed);
    if (m.length == 0)
        return false;
    return deliver(std::span(m.bytes.data(), m.length));
}

bool VirtualOutputPort::sendLong(std::span<const std::uint8_t> message)
{
    if (message.empty())
        return false;
    return deliver(message);
}

bool VirtualOutputPort::deliver(std::span<const std::uint8_t> message)
{
    {
        std::lock_guard lock(m_state->mutex);
        if (!m_open || !m_state->plugged || takeFault(m_state->failSend))
            return false;
        if (m_state->recording)
            m_state->received.emplace_back(message.begin(), message.end());
    }
    std::lock_guard lock(m_state->receiverMutex);
    if (m_state->receiver)
        m_state->receiver(message);
    return true;
}

} // namespace tessarine
