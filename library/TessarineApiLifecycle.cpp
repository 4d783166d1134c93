#include "CTessarineMidiIn.h"
#include "CTessarineOutputDeviceMgr.h"
#include "TessarineApiGuard.h"
#include "TessarineContext.h"

#include <new>

using namespace tessarine;

namespace {

void destroyContext()
{
    tagTESSARINECONTEXT*& c = context();
    if (!c)
        return;
    finalizeContext(*c);
    if (publishedContext().load() == c)
        publishedContext().store(nullptr);
    delete c;
    c = nullptr;
}

} // namespace

extern "C" {

tagTESSARINECONTEXT* tsrCreate()
{
    return guarded(static_cast<tagTESSARINECONTEXT*>(nullptr), [] {
        destroyContext();
        context() = new (std::nothrow) tagTESSARINECONTEXT{nullptr, nullptr, nullptr, nullptr, -1, -1, 0};
        return context();
    });
}

void tsrDestroy()
{
    guarded(0, [] {
        destroyContext();
        // Nobody reads a handed-out SysEx buffer once the library is gone.
        CTessarineMidiIn::ReleaseRetiredHeaders();
        return 0;
    });
}

void tsrPreInitialize()
{
    guarded(0, [] {
        if (context())
            preInitializeContext(*context());
        return 0;
    });
}

std::int32_t tsrInitialize(const tagTESSARINETARGET* pTarget, std::int32_t inputDeviceId, std::int32_t outputDeviceId)
{
    return guardedCode(TESSARINEERR_MIDI_OUT_OPEN, [&]() -> std::int32_t {
        tagTESSARINECONTEXT* c = context();
        if (!c)
            return TESSARINEERR_MIDI_OUT_OPEN;
        preInitializeContext(*c);
        c->inputDeviceId = inputDeviceId;
        c->outputDeviceId = outputDeviceId;
        c->pOutputDeviceMgr->SetTargetWindow(pTarget);
        c->pOutputDeviceMgr->SetOutputDeviceId(outputDeviceId);

        c->pOutputDeviceMgr->OpenOutput(outputDeviceId);
        publishedContext().store(c);

        // The sequencer's timer gets its clients and starts here once the library has it; a
        // second call must find it running and leave it so.

        // Open closes a previous input first, so a second call leaves one connection.
        c->pMidiIn->Open(inputDeviceId);
        return TESSARINEERR_NO_ERROR;
    });
}

std::int32_t tsrFinalize()
{
    return guardedCode(TESSARINEERR_NO_ERROR, []() -> std::int32_t {
        tagTESSARINECONTEXT* c = context();
        return c ? finalizeContext(*c) : TESSARINEERR_NO_ERROR;
    });
}

std::int32_t tsrGetTimerThreadPriority()
{
    return 0;
}

void tsrSetTimerThreadPriority(std::int32_t)
{
}

} // extern "C"
