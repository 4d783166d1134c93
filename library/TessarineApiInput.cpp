#include "CTessarineMidiIn.h"
#include "TessarineApiGuard.h"
#include "TessarineContext.h"

using namespace tessarine;

namespace {

CTessarineMidiIn* input()
{
    tagTESSARINECONTEXT* c = context();
    return c ? c->pMidiIn : nullptr;
}

} // namespace

extern "C" {

std::int32_t tsrMidiInOpen(std::int32_t deviceId)
{
    return guardedCode(TESSARINEERR_MIDI_IN_OPEN, [&]() -> std::int32_t {
        CTessarineMidiIn* in = input();
        if (!in)
            return TESSARINEERR_MIDI_IN_OPEN;
        context()->inputDeviceId = deviceId;
        in->Open(deviceId);
        return TESSARINEERR_NO_ERROR;
    });
}

std::int32_t tsrMidiInClose()
{
    return guardedCode(TESSARINEERR_MIDI_IN_CLOSE, []() -> std::int32_t {
        if (CTessarineMidiIn* in = input())
            in->Close();
        return TESSARINEERR_NO_ERROR;
    });
}

std::int32_t tsrMidiInPrepareHeader()
{
    return guardedCode(TESSARINEERR_MIDI_IN_PREPARE_HEADER, []() -> std::int32_t {
        // Handed-out buffers come back in the order they went out, and those of a closed port
        // went out first.
        if (CTessarineMidiIn::GiveBackRetiredHeader())
            return TESSARINEERR_NO_ERROR;
        CTessarineMidiIn* in = input();
        if (!in)
            return TESSARINEERR_MIDI_IN_PREPARE_HEADER;
        in->PrepareHeader();
        return TESSARINEERR_NO_ERROR;
    });
}

std::intptr_t tsrMidiInEnablePostMessage(std::intptr_t value)
{
    postingSwitch().store(value);
    return value;
}

std::uint32_t tsrMidiInGetDroppedSysExCount()
{
    CTessarineMidiIn* in = input();
    return in ? in->GetDroppedSysExCount() : 0;
}

} // extern "C"
