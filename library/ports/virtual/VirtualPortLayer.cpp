#include "VirtualPortLayer.h"

#include "VirtualInputPort.h"
#include "VirtualOutputPort.h"
#include "VirtualPortRegistry.h"

namespace tessarine {

namespace {

std::shared_ptr<VirtualPortState> portAt(bool output, std::uint32_t index)
{
    auto ports = VirtualPortRegistry::instance().ports(output);
    if (index >= ports.size())
        return nullptr;
    return ports[index];
}

std::optional<PortInfo> infoAt(bool output, std::uint32_t index)
{
    auto port = portAt(output, index);
    if (!port)
        return std::nullopt;
    PortInfo info;
    info.name = port->name;
    return info;
}

// False when the port is gone or refuses; the connection counts itself as open once made.
bool admitOpen(VirtualPortState& port)
{
    std::lock_guard lock(port.mutex);
    if (!port.plugged || takeFault(port.refuseOpen))
        return false;
    ++port.totalOpenCount;
    return true;
}

} // namespace

std::uint32_t VirtualPortLayer::outputCount()
{
    return static_cast<std::uint32_t>(VirtualPortRegistry::instance().ports(true).size());
}

std::uint32_t VirtualPortLayer::inputCount()
{
    return static_cast<std::uint32_t>(VirtualPortRegistry::instance().ports(false).size());
}

std::optional<PortInfo> VirtualPortLayer::outputInfo(std::uint32_t index)
{
    return infoAt(true, index);
}

std::optional<PortInfo> VirtualPortLayer::inputInfo(std::uint32_t index)
{
    return infoAt(false, index);
}

std::unique_ptr<OutputPort> VirtualPortLayer::openOutput(std::uint32_t index)
{
    auto port = portAt(true, index);
    if (!port || !admitOpen(*port))
        return nullptr;
    try {
        return std::make_unique<VirtualOutputPort>(port);
    } catch (...) {
        return nullptr;
    }
}

std::unique_ptr<InputPort> VirtualPortLayer::openInput(std::uint32_t index, InputSink& sink)
{
    auto port = portAt(false, index);
    if (!port || !admitOpen(*port))
        return nullptr;
    try {
        return std::make_unique<VirtualInputPort>(port, sink);
    } catch (...) {
        return nullptr;
    }
}

} // namespace tessarine
