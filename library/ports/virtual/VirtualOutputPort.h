#pragma once

#include "../PortLayer.h"
#include "VirtualPortState.h"

#include <memory>

namespace tessarine {

// The library's connection on a peer's CTessarineVirtualOutPort: sends go straight to the peer
// on the sending thread.
class VirtualOutputPort final : public OutputPort
{
public:
    // Counts itself as an open connection of the port.
    explicit VirtualOutputPort(std::shared_ptr<VirtualPortState> state);
    ~VirtualOutputPort() override;

    bool close() override;
    bool sendShort(std::uint32_t packed) override;
    bool sendLong(std::span<const std::uint8_t> message) override;

private:
    bool deliver(std::span<const std::uint8_t> message);

    std::shared_ptr<VirtualPortState> m_state;
    bool m_open = true; // guarded by m_state->mutex
};

} // namespace tessarine
