#include "TessarineDeviceCaps.h"

#include "TessarineText.h"
#include "ports/PortLayerChoice.h"

#include <cwchar>

namespace tessarine {

namespace {

tagTESSARINEMIDIOUTCAPS g_outputCaps{};
tagTESSARINEMIDIINCAPS g_inputCaps{};

template <class Caps>
void fill(Caps& caps, const std::optional<PortInfo>& info)
{
    caps = Caps{};
    if (!info)
        return;
    caps.wMid = info->manufacturerId;
    caps.wPid = info->productId;
    caps.vDriverVersion = info->driverVersion;
    utf8ToWide(info->name, caps.szPname, std::size(caps.szPname));
}

const wchar_t* queryName(bool output, PortLayer& layer, std::uint32_t id)
{
    if (output) {
        fill(g_outputCaps, layer.outputInfo(id));
        return g_outputCaps.szPname;
    }
    fill(g_inputCaps, layer.inputInfo(id));
    return g_inputCaps.szPname;
}

} // namespace

tagTESSARINEMIDIOUTCAPS& queryOutputCaps(std::uint32_t deviceId)
{
    fill(g_outputCaps, currentPortLayer()->outputInfo(deviceId));
    return g_outputCaps;
}

tagTESSARINEMIDIINCAPS& queryInputCaps(std::uint32_t deviceId)
{
    fill(g_inputCaps, currentPortLayer()->inputInfo(deviceId));
    return g_inputCaps;
}

std::int32_t findDevs(bool output, const wchar_t* fragment, std::int32_t* first, std::int32_t* second)
{
    if (!fragment)
        return 0;
    auto layer = currentPortLayer();
    const std::uint32_t count = output ? layer->outputCount() : layer->inputCount();
    std::int32_t found = 0;
    for (std::uint32_t id = 0; id < count && found < 2; ++id) {
        const wchar_t* name = queryName(output, *layer, id);
        if (name[0] == L'\0' || !std::wcsstr(name, fragment))
            continue;
        std::int32_t* out = found == 0 ? first : second;
        if (out)
            *out = static_cast<std::int32_t>(id);
        ++found;
    }
    return found;
}

std::int32_t findDev(bool output, const wchar_t* fragment)
{
    std::int32_t first = -1;
    return findDevs(output, fragment, &first, nullptr) > 0 ? first : -1;
}

} // namespace tessarine
