#pragma once

#include "VirtualPortState.h"

#include <memory>
#include <mutex>
#include <vector>

namespace tessarine {

// The process's plugged-in virtual ports per direction, in the order they were plugged in.
class VirtualPortRegistry
{
public:
    static VirtualPortRegistry& instance();

    void plug(const std::shared_ptr<VirtualPortState>& port);
    void unplug(const VirtualPortState* port);
    std::vector<std::shared_ptr<VirtualPortState>> ports(bool outputs) const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<VirtualPortState>> m_outputs;
    std::vector<std::shared_ptr<VirtualPortState>> m_inputs;
};

} // namespace tessarine
