#pragma once

#include "EdKeyTrapEdit.h"

// The field in which a touch curve is renamed; Enter or Esc ends the renaming.
class CEdNameEdit : public CEdKeyTrapEdit
{
    Q_OBJECT

public:
    using CEdKeyTrapEdit::CEdKeyTrapEdit;

protected:
    void OnControlKey(const QKeyEvent& event) override;
};
