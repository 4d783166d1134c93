#include "CTessarineSequencer.h"
#include "CTessarineTimer.h"
#include "TessarineApiGuard.h"
#include "TessarineContext.h"

using namespace tessarine;

namespace {

CTessarineSequencer* sequencer()
{
    tagTESSARINECONTEXT* c = context();
    return c ? c->pSequencer : nullptr;
}

} // namespace

extern "C" {

std::uint16_t tsrGetTimerPeriod()
{
    tagTESSARINECONTEXT* c = context();
    return c && c->pTimer ? c->pTimer->GetPeriod() : std::uint16_t{0};
}

void tsrSeqSetEventManager(CTessarineEventManager* pManager)
{
    tagTESSARINECONTEXT* c = context();
    if (!c || !c->pSequencer)
        return;
    c->pSequencer->SetEventManager(pManager);
    c->eventManagerSet = 1;
}

CTessarineEventManager* tsrSeqGetEventManager()
{
    CTessarineSequencer* s = sequencer();
    return s ? s->GetEventManager() : nullptr;
}

void tsrSeqPlay()
{
    tagTESSARINECONTEXT* c = context();
    if (c && c->pSequencer && c->eventManagerSet == 1)
        c->pSequencer->Play();
}

std::int32_t tsrSeqStop()
{
    return guardedCode(TESSARINEERR_MIDI_OUT_SHORTMSG, []() -> std::int32_t {
        if (CTessarineSequencer* s = sequencer())
            s->Stop();
        return TESSARINEERR_NO_ERROR;
    });
}

std::int32_t tsrSeqStopAllSound()
{
    return guardedCode(TESSARINEERR_MIDI_OUT_SHORTMSG, []() -> std::int32_t {
        if (CTessarineSequencer* s = sequencer())
            s->StopAllSound();
        return TESSARINEERR_NO_ERROR;
    });
}

void tsrSeqSetTempo(std::int32_t tempo)
{
    tagTESSARINECONTEXT* c = context();
    if (c && c->pSequencer && c->eventManagerSet == 1)
        c->pSequencer->SetTempo(static_cast<std::uint32_t>(tempo));
}

std::int32_t tsrSeqIsRunning()
{
    CTessarineSequencer* s = sequencer();
    return s && s->IsPlaying() ? 1 : 0;
}

std::int32_t tsrSeqGetPlayError()
{
    CTessarineSequencer* s = sequencer();
    return s ? s->GetPlayError() : 0;
}

} // extern "C"
