#pragma once

#include "PortLayer.h"

namespace tessarine {

// No MIDI system: no ports, nothing opens.
class NullPortLayer final : public PortLayer
{
public:
    const char* name() const override { return "none"; }
    std::uint32_t outputCount() override { return 0; }
    std::uint32_t inputCount() override { return 0; }
    std::optional<PortInfo> outputInfo(std::uint32_t) override { return std::nullopt; }
    std::optional<PortInfo> inputInfo(std::uint32_t) override { return std::nullopt; }
    std::unique_ptr<OutputPort> openOutput(std::uint32_t) override { return nullptr; }
    std::unique_ptr<InputPort> openInput(std::uint32_t, InputSink&) override { return nullptr; }
};

} // namespace tessarine
