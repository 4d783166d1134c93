#include "RtMidiPortLayer.h"

#include "RtMidiErrorFlag.h"
#include "RtMidiInputPort.h"
#include "RtMidiOutputPort.h"

#include <RtMidi.h>

#if defined(__linux__)
#include <unistd.h>
#endif

namespace tessarine {

namespace {

// One RtMidi object per direction serves every enumeration call, so counting ports does not
// make a new client of the MIDI system each time.
class RtMidiPortLayer final : public PortLayer
{
public:
    explicit RtMidiPortLayer(RtMidi::Api api) : m_api(api) {}

    const char* name() const override
    {
        switch (m_api) {
        case RtMidi::LINUX_ALSA:
            return "alsa";
        case RtMidi::UNIX_JACK:
            return "jack";
        case RtMidi::WINDOWS_MM:
            return "winmm";
        case RtMidi::MACOSX_CORE:
            return "coremidi";
        default:
            return "system";
        }
    }

    std::uint32_t outputCount() override { return reachable() ? count(enumerator(m_out)) : 0; }
    std::uint32_t inputCount() override { return count(enumerator(m_in)); }
    std::optional<PortInfo> outputInfo(std::uint32_t index) override
    {
        return reachable() ? info(enumerator(m_out), index) : std::nullopt;
    }
    std::optional<PortInfo> inputInfo(std::uint32_t index) override { return info(enumerator(m_in), index); }

    std::unique_ptr<OutputPort> openOutput(std::uint32_t index) override
    {
        return reachable() ? RtMidiOutputPort::open(m_api, index) : nullptr;
    }

    std::unique_ptr<InputPort> openInput(std::uint32_t index, InputSink& sink) override
    {
        return RtMidiInputPort::open(m_api, index, sink);
    }

private:
    // RtMidi's JACK output allocates a buffer each time it finds no server and never frees it,
    // so outputs are only made once the input enumerator reached the server (it warns when not).
    bool reachable()
    {
        if (m_api != RtMidi::UNIX_JACK)
            return true;
        RtMidiIn* in = enumerator(m_in);
        if (!in)
            return false;
        m_in.error->takeWarning();
        count(in);
        return !m_in.error->takeWarning();
    }

    template <class T>
    struct Enumerator
    {
        std::unique_ptr<T> midi;
        std::unique_ptr<RtMidiErrorFlag> error = std::make_unique<RtMidiErrorFlag>();
        bool tried = false;
    };

    template <class T>
    T* enumerator(Enumerator<T>& e)
    {
        if (!e.tried) {
            e.tried = true;
            try {
                e.midi = std::make_unique<T>(m_api, "Tessarine");
                e.error->attach(*e.midi);
            } catch (...) {
                // An API without its system (ALSA without /dev/snd) throws here: no ports.
                e.midi.reset();
            }
        }
        return e.midi.get();
    }

    static std::uint32_t count(RtMidi* midi)
    {
        try {
            return midi ? midi->getPortCount() : 0;
        } catch (...) {
            return 0;
        }
    }

    static std::optional<PortInfo> info(RtMidi* midi, std::uint32_t index)
    {
        try {
            if (!midi || index >= midi->getPortCount())
                return std::nullopt;
            PortInfo result;
            result.name = midi->getPortName(index);
            if (result.name.empty())
                return std::nullopt;
            return result;
        } catch (...) {
            return std::nullopt;
        }
    }

    RtMidi::Api m_api;
    Enumerator<RtMidiOut> m_out;
    Enumerator<RtMidiIn> m_in;
};

RtMidi::Api automaticApi()
{
#if defined(__linux__)
    if (::access("/dev/snd/seq", R_OK | W_OK) == 0) {
        try {
            RtMidiOut probe(RtMidi::LINUX_ALSA, "Tessarine");
            return RtMidi::LINUX_ALSA;
        } catch (...) {
        }
    }
    return RtMidi::UNIX_JACK;
#else
    return RtMidi::UNSPECIFIED;
#endif
}

} // namespace

std::unique_ptr<PortLayer> makeRtMidiPortLayer(RtMidiSystem system)
{
    switch (system) {
    case RtMidiSystem::Alsa:
        return std::make_unique<RtMidiPortLayer>(RtMidi::LINUX_ALSA);
    case RtMidiSystem::Jack:
        return std::make_unique<RtMidiPortLayer>(RtMidi::UNIX_JACK);
    case RtMidiSystem::Automatic:
        break;
    }
    return std::make_unique<RtMidiPortLayer>(automaticApi());
}

} // namespace tessarine
