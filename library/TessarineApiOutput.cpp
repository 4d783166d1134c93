#include "CTessarineOutputDeviceMgr.h"
#include "TessarineApiGuard.h"
#include "TessarineContext.h"
#include "TessarineDeviceCaps.h"
#include "ports/PortLayerChoice.h"

using namespace tessarine;

namespace {

CTessarineOutputDeviceMgr* manager()
{
    tagTESSARINECONTEXT* c = context();
    return c ? c->pOutputDeviceMgr : nullptr;
}

} // namespace

extern "C" {

std::uint32_t tsrMidiOutGetNumDevs()
{
    return guarded(0u, [] { return currentPortLayer()->outputCount(); });
}

std::uint32_t tsrMidiInGetNumDevs()
{
    return guarded(0u, [] { return currentPortLayer()->inputCount(); });
}

const wchar_t* tsrMidiOutGetDevName(std::uint32_t deviceId)
{
    return guarded(static_cast<const wchar_t*>(L""),
                   [&]() -> const wchar_t* { return queryOutputCaps(deviceId).szPname; });
}

const wchar_t* tsrMidiInGetDevName(std::uint32_t deviceId)
{
    return guarded(static_cast<const wchar_t*>(L""),
                   [&]() -> const wchar_t* { return queryInputCaps(deviceId).szPname; });
}

std::uint16_t tsrMidiOutGetDevManufacturerID(std::uint32_t deviceId)
{
    return guarded(std::uint16_t{0}, [&] { return queryOutputCaps(deviceId).wMid; });
}

std::uint16_t tsrMidiOutGetDevProductID(std::uint32_t deviceId)
{
    return guarded(std::uint16_t{0}, [&] { return queryOutputCaps(deviceId).wPid; });
}

std::uint32_t tsrMidiOutGetDevDriverVer(std::uint32_t deviceId)
{
    return guarded(0u, [&] { return queryOutputCaps(deviceId).vDriverVersion; });
}

std::uint32_t tsrMidiInGetDevDriverVer(std::uint32_t deviceId)
{
    return guarded(0u, [&] { return queryInputCaps(deviceId).vDriverVersion; });
}

std::int32_t tsrMidiOutFindDev(const wchar_t* fragment)
{
    return guarded(-1, [&] { return findDev(true, fragment); });
}

std::int32_t tsrMidiInFindDev(const wchar_t* fragment)
{
    return guarded(-1, [&] { return findDev(false, fragment); });
}

std::int32_t tsrMidiOutFindDevs(const wchar_t* fragment, std::int32_t* pFirst, std::int32_t* pSecond)
{
    return guarded(0, [&] { return findDevs(true, fragment, pFirst, pSecond); });
}

std::int32_t tsrMidiInFindDevs(const wchar_t* fragment, std::int32_t* pFirst, std::int32_t* pSecond)
{
    return guarded(0, [&] { return findDevs(false, fragment, pFirst, pSecond); });
}

std::int32_t tsrMidiOutOpen(std::int32_t deviceId)
{
    return guardedCode(TESSARINEERR_MIDI_OUT_OPEN, [&]() -> std::int32_t {
        tagTESSARINECONTEXT* c = context();
        if (!c || !c->pOutputDeviceMgr)
            return TESSARINEERR_MIDI_OUT_OPEN;
        c->outputDeviceId = deviceId;
        c->pOutputDeviceMgr->OpenOutput(deviceId);
        publishContext(*c);
        return TESSARINEERR_NO_ERROR;
    });
}

std::int32_t tsrMidiOutClose()
{
    return guardedCode(TESSARINEERR_MIDI_OUT_CLOSE, []() -> std::int32_t {
        if (CTessarineOutputDeviceMgr* m = manager())
            m->CloseOutput();
        return TESSARINEERR_NO_ERROR;
    });
}

std::int32_t tsrMidiOutShortMsg(std::uint32_t message, std::int32_t hold)
{
    return guardedCode(TESSARINEERR_MIDI_OUT_SHORTMSG, [&]() -> std::int32_t {
        if (hold != 0)
            return TESSARINEERR_NO_ERROR;
        if (CTessarineOutputDeviceMgr* m = manager())
            m->SendShortMsg(message);
        return TESSARINEERR_NO_ERROR;
    });
}

std::int32_t tsrMidiOutLongMsg(const std::uint8_t* pData, std::uint32_t length)
{
    return guardedCode(TESSARINEERR_MIDI_OUT_LONGMSG, [&]() -> std::int32_t {
        if (CTessarineOutputDeviceMgr* m = manager())
            m->SendLongMsg(pData, length);
        return TESSARINEERR_NO_ERROR;
    });
}

} // extern "C"
