#pragma once

#include <cstdint>

// Capabilities of one port, as the enumeration functions hand them out.
struct tagTESSARINEMIDIOUTCAPS
{
    std::uint16_t wMid;
    std::uint16_t wPid;
    std::uint32_t vDriverVersion;
    wchar_t szPname[32];
    std::uint32_t dwSupport;
};

struct tagTESSARINEMIDIINCAPS
{
    std::uint16_t wMid;
    std::uint16_t wPid;
    std::uint32_t vDriverVersion;
    wchar_t szPname[32];
    std::uint32_t dwSupport;
};

namespace tessarine {

// One static record per direction; every query of that direction overwrites it. A query of a
// port that does not exist leaves the record empty, so a stale name never stands for that port.
tagTESSARINEMIDIOUTCAPS& queryOutputCaps(std::uint32_t deviceId);
tagTESSARINEMIDIINCAPS& queryInputCaps(std::uint32_t deviceId);

// Walks the ports of one direction; see tsrMidiOutFindDevs.
std::int32_t findDevs(bool output, const wchar_t* fragment, std::int32_t* first, std::int32_t* second);
std::int32_t findDev(bool output, const wchar_t* fragment);

} // namespace tessarine
