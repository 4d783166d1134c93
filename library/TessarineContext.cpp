#include "TessarineContext.h"

#include "CTessarineMidiInToView.h"
#include "CTessarineOutputDeviceMgr.h"

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
    // The sequencer and its timer are made here too once the library has them.
    if (!c.pMidiIn)
        c.pMidiIn = new CTessarineMidiInToView;
}

std::int32_t finalizeContext(tagTESSARINECONTEXT& c)
{
    std::int32_t code = TESSARINEERR_NO_ERROR;
    try {
        if (c.pMidiIn && c.pMidiIn->IsOpen())
            c.pMidiIn->Close();
        // Playback stops (silencing all channels) and the timer is killed here once the library
        // has them, before the output closes.
        if (c.pOutputDeviceMgr)
            c.pOutputDeviceMgr->CloseOutput();
    } catch (const CTessarineException& e) {
        code = e.GetCode();
    }
    // The input goes first: once it is gone no other thread reaches the context.
    delete c.pMidiIn;
    c.pMidiIn = nullptr;
    delete c.pOutputDeviceMgr;
    c.pOutputDeviceMgr = nullptr;
    return code;
}

} // namespace tessarine
