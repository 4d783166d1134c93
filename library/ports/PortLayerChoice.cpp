#include "PortLayerChoice.h"

#include "NullPortLayer.h"
#include "Tessarine.h"
#include "rtmidi/RtMidiPortLayer.h"
#include "virtual/VirtualPortLayer.h"

#include <cstdlib>
#include <mutex>
#include <string_view>

namespace tessarine {

namespace {

struct Choice
{
    std::mutex mutex;
    bool chosen = false;
    std::int32_t kind = TESSARINE_PORTS_SYSTEM;
    std::shared_ptr<PortLayer> layer;
};

Choice& choice()
{
    static Choice c;
    return c;
}

std::int32_t kindFromEnvironment()
{
    const char* value = std::getenv("TESSARINE_PORTS");
    const std::string_view text = value ? value : "";
    if (text == "alsa")
        return TESSARINE_PORTS_ALSA;
    if (text == "jack")
        return TESSARINE_PORTS_JACK;
    if (text == "virtual")
        return TESSARINE_PORTS_VIRTUAL;
    if (text == "none")
        return TESSARINE_PORTS_NONE;
    return TESSARINE_PORTS_SYSTEM;
}

std::shared_ptr<PortLayer> makeLayer(std::int32_t kind)
{
    switch (kind) {
    case TESSARINE_PORTS_ALSA:
        return makeRtMidiPortLayer(RtMidiSystem::Alsa);
    case TESSARINE_PORTS_JACK:
        return makeRtMidiPortLayer(RtMidiSystem::Jack);
    case TESSARINE_PORTS_VIRTUAL:
        return std::make_shared<VirtualPortLayer>();
    case TESSARINE_PORTS_NONE:
        return std::make_shared<NullPortLayer>();
    default:
        return makeRtMidiPortLayer(RtMidiSystem::Automatic);
    }
}

void chooseLocked(Choice& c)
{
    if (!c.chosen) {
        c.kind = kindFromEnvironment();
        c.chosen = true;
    }
}

} // namespace

std::shared_ptr<PortLayer> currentPortLayer()
{
    Choice& c = choice();
    std::lock_guard lock(c.mutex);
    chooseLocked(c);
    if (!c.layer)
        c.layer = makeLayer(c.kind);
    return c.layer;
}

bool setPortLayerKind(std::int32_t kind)
{
    if (kind < TESSARINE_PORTS_SYSTEM || kind > TESSARINE_PORTS_NONE)
        return false;
    Choice& c = choice();
    std::lock_guard lock(c.mutex);
    c.chosen = true;
    c.kind = kind;
    c.layer.reset(); // made on first use; open ports do not depend on it
    return true;
}

std::int32_t portLayerKind()
{
    Choice& c = choice();
    std::lock_guard lock(c.mutex);
    chooseLocked(c);
    return c.kind;
}

} // namespace tessarine
