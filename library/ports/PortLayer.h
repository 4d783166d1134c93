#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

// The operations the library needs from a MIDI system: count and describe ports, open an output
// by index and send on it, open an input by index and receive from it. Each implementation lives
// in a folder of its own (rtmidi/, virtual/) and lets no exception out.
namespace tessarine {

struct PortInfo
{
    std::string name; // UTF-8, as the MIDI system names the port
    std::uint16_t manufacturerId = 0;
    std::uint16_t productId = 0;
    std::uint32_t driverVersion = 0;
};

// Receives one input port's messages on the port layer's own thread, one call at a time.
class InputSink
{
public:
    virtual void onShortMessage(std::uint32_t packed) = 0;
    // A complete system-exclusive message, F0 ... F7.
    virtual void onSysEx(std::span<const std::uint8_t> message) = 0;

protected:
    ~InputSink() = default;
};

class OutputPort
{
public:
    OutputPort() = default;
    OutputPort(const OutputPort&) = delete;
    OutputPort& operator=(const OutputPort&) = delete;
    // Closes the port if it is still open, whatever the MIDI system answers.
    virtual ~OutputPort() = default;

    // False leaves the port open; the caller may try again.
    virtual bool close() = 0;
    // Status in bits 0-7, data bytes in bits 8-15 and 16-23; bits 24-31 are ignored.
    virtual bool sendShort(std::uint32_t packed) = 0;
    // The bytes are copied or sent before it returns.
    virtual bool sendLong(std::span<const std::uint8_t> message) = 0;
};

class InputPort
{
public:
    InputPort() = default;
    InputPort(const InputPort&) = delete;
    InputPort& operator=(const InputPort&) = delete;
    // Stops and closes; once it returns, the sink is never called again.
    virtual ~InputPort() = default;

    // Messages reach the sink only between start and stop.
    virtual bool start() = 0;
    // Once it returned true no sink call is in progress and none follows until the next start.
    virtual bool stop() = 0;
    // False leaves the port open; the caller may try again.
    virtual bool close() = 0;
};

class PortLayer
{
public:
    PortLayer() = default;
    PortLayer(const PortLayer&) = delete;
    PortLayer& operator=(const PortLayer&) = delete;
    virtual ~PortLayer() = default;

    // "alsa", "jack", "virtual" ...
    virtual const char* name() const = 0;
    virtual std::uint32_t outputCount() = 0;
    virtual std::uint32_t inputCount() = 0;
    // Nothing when the index names no port (any more).
    virtual std::optional<PortInfo> outputInfo(std::uint32_t index) = 0;
    virtual std::optional<PortInfo> inputInfo(std::uint32_t index) = 0;
    // Null when the port did not open.
    virtual std::unique_ptr<OutputPort> openOutput(std::uint32_t index) = 0;
    // The sink must outlive the returned port.
    virtual std::unique_ptr<InputPort> openInput(std::uint32_t index, InputSink& sink) = 0;
};

} // namespace tessarine
