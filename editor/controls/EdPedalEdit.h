#pragma once

#include "EdKeyTrapEdit.h"

// The field in which a pedal's CC number is typed; Enter or Esc stores it, Tab and Shift+Tab
// move to the next or previous pedal.
class CEdPedalEdit : public CEdKeyTrapEdit
{
    Q_OBJECT

public:
    using CEdKeyTrapEdit::CEdKeyTrapEdit;

protected:
    void OnControlKey(const QKeyEvent& event) override;
};
