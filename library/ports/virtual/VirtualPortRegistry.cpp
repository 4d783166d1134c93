#include "VirtualPortRegistry.h"

#include <algorithm>

namespace tessarine {

VirtualPortRegistry& VirtualPortRegistry::instance()
{
    static VirtualPortRegistry registry;
    return registry;
}

void VirtualPortRegistry::plug(const std::shared_ptr<VirtualPortState>& port)
{
    std::lock_guard lock(m_mutex);
    auto& list = port->isOutput ? m_outputs : m_inputs;
    if (std::find(list.begin(), list.end(), port) == list.end())
        list.push_back(port);
}

void VirtualPortRegistry::unplug(const VirtualPortState* port)
{
    std::lock_guard lock(m_mutex);
    auto& list = port->isOutput ? m_outputs : m_inputs;
    std::erase_if(list, [port](const auto& p) { return p.get() == port; });
}

std::vector<std::shared_ptr<VirtualPortState>> VirtualPortRegistry::ports(bool outputs) const
{
    std::lock_guard lock(m_mutex);
    return outputs ? m_outputs : m_inputs;
}

} // namespace tessarine
