#pragma once

#include "CTessarineMidiIn.h"

// Posts input to the target of the published context while posting is switched on.
class CTessarineMidiInToView : public CTessarineMidiIn
{
public:
    CTessarineMidiInToView() = default;
    ~CTessarineMidiInToView() override;

    bool OnMidiInput(std::uint32_t event, std::uintptr_t param1, std::uintptr_t param2) override;
};
