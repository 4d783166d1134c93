#include "TessarineContext.h"

#include "CTessarineMidiInToView.h"
#include "CTessarineEventManager.h"
#include "CTessarineOutputDeviceMgr.h"
#include "CTessarineSequencer.h"
#include "CTessarineTimer.h"

namespace tessarine {

tagTESSARINECONTEXT*& context()
{
    static tagTESSARINECONTEXT* current = nullptr;
    return current;
}

std::atomic<tagTESSARINECONTEXT*>& publishedContext()
{
    static std::atomic<tagTESSARINECONTEXT*> published{nullptr};
    return published;
}

std::atomic<std::intptr_t>& postingSwitch()
{
    static std::atomic<std::intptr_t> value{0};
    return value;
}

void preInitializeContext(tagTESSARINECONTEXT& c)
{
    if (!c.pOutputDeviceMgr)
        c.pOutputDeviceMgr = new CTessarineOutputDeviceMgr;
    if (!c.pSequencer)
        c.pSequencer = new CTessarineSequencer;
    if (!c.pTimer)
        c.pTimer = new CTessarineTimer;
    if (!c.pMidiIn)
        c.pMidiIn = new CTessarineMidiInToView;
}

std::int32_t finalizeContext(tagTESSARINECONTEXT& c)
{
    std::int32_t code = TESSARINEERR_NO_ERROR;
    try {
        if (c.pMidiIn && c.pMidiIn->IsOpen())
            c.pMidiIn->Close();
        if (c.pSequencer)
            c.pSequencer->Stop();
        if (c.pTimer)
            c.pTimer->Kill();
        if (c.pOutputDeviceMgr)
            c.pOutputDeviceMgr->CloseOutput();
    } catch (const CTessarineException& e) {
        code = e.GetCode();
    }
    // The input goes first: once it is gone no other thread reaches the context.
    delete c.pMidiIn;
    c.pMidiIn = nullptr;
    // Then the timer, so that no tick reaches the sequencer or the output.
    delete c.pTimer;
    c.pTimer = nullptr;
    delete c.pSequencer;
    c.pSequencer = nullptr;
    delete c.pOutputDeviceMgr;
    c.pOutputDeviceMgr = nullptr;
    return code;
}

void publishContext(tagTESSARINECONTEXT& c)
{
    publishedContext().store(&c);
    CTessarineEventManager::SetMidiOutDev(&c.pOutputDeviceMgr);
}

void unpublishContext(tagTESSARINECONTEXT& c)
{
    if (publishedContext().load() == &c)
        publishedContext().store(nullptr);
    // Managers outlive the context; they must not reach into a freed one.
    if (CTessarineEventManager::m_ppMidiDev.load() == &c.pOutputDeviceMgr)
        CTessarineEventManager::SetMidiOutDev(nullptr);
    if (CTessarineEventManager::m_ppSeq.load() == &c.pSequencer)
        CTessarineEventManager::SetSeq(nullptr);
}

} // namespace tessarine
