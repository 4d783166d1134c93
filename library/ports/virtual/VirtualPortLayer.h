#pragma once

#include "../PortLayer.h"

namespace tessarine {

// Ports that peers in this process registered (CTessarineVirtualOutPort, CTessarineVirtualInPort).
class VirtualPortLayer final : public PortLayer
{
public:
    const char* name() const override { return "virtual"; }
    std::uint32_t outputCount() override;
    std::uint32_t inputCount() override;
    std::optional<PortInfo> outputInfo(std::uint32_t index) override;
    std::optional<PortInfo> inputInfo(std::uint32_t index) override;
    std::unique_ptr<OutputPort> openOutput(std::uint32_t index) override;
    std::unique_ptr<InputPort> openInput(std::uint32_t index, InputSink& sink) override;
};

} // namespace tessarine
