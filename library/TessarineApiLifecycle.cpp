#include "CTessarineEventManager.h"
#include "CTessarineMidiIn.h"
#include "CTessarineOutputDeviceMgr.h"
#include "CTessarineSequencer.h"
#include "CTessarineTimer.h"
#include "TessarineApiGuard.h"
#include "TessarineContext.h"
#include "TessarineSmfLoaderGlobal.h"

#include <new>

using namespace tessarine;

namespace {

constexpr std::uint16_t kTimerPeriod = 5;

void destroyContext()
{
    tagTESSARINECONTEXT*& c = context();
    if (!c)
        return;
    finalizeContext(*c);
    unpublishContext(*c);
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
        smfLoader().reset();
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
        publishContext(*c);
        CTessarineEventManager::SetSeq(&c->pSequencer);

        // A second call finds the clients there and the timer running, and leaves both.
        c->pTimer->AddClient(&CTessarineSequencer::OnTimerTick, reinterpret_cast<std::uintptr_t>(c->pSequencer));
        c->pTimer->AddClient(&CTessarineOutputDeviceMgr::OnTimerTick,
                             reinterpret_cast<std::uintptr_t>(c->pOutputDeviceMgr));
        c->pTimer->Start(kTimerPeriod);

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
