#pragma once

#include "EdImgButton.h"

// A routing switch: off, on, and a highlight that shows over either state.
class CEdOutputButton : public CEdImgButton
{
    Q_OBJECT

public:
    using CEdImgButton::CEdImgButton;

protected:
    int CurrentFrame() const override;
};
