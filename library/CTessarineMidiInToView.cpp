#include "CTessarineMidiInToView.h"

#include "CTessarineOutputDeviceMgr.h"
#include "TessarineContext.h"

CTessarineMidiInToView::~CTessarineMidiInToView()
{
    Shutdown();
}

bool CTessarineMidiInToView::OnMidiInput(std::uint32_t event, std::uintptr_t param1, std::uintptr_t)
{
    std::uint32_t message = 0;
    if (event == MIM_DATA)
        message = WM_MIDIIN_SHORT;
    else if (event == MIM_LONGDATA)
        message = WM_MIDIIN_SYSEX;
    else
        return false;

    if (tessarine::postingSwitch().load() == 0)
        return false;
    const tagTESSARINECONTEXT* context = tessarine::publishedContext().load();
    if (!context || !context->pOutputDeviceMgr)
        return false;
    return context->pOutputDeviceMgr->GetTargetWindow().post(message, param1, 0);
}
