#pragma once

#include "EdImgPicture.h"

// A picture with one line of light text over it: a name bar or a value box.
class CEdImgText : public CEdImgPicture
{
    Q_OBJECT

public:
    static constexpr qreal kFontPoints = 10;
    static constexpr QRgb kTextColor = 0xFFDDDDDD;
    static constexpr int kTextInset = 6;

    using CEdImgPicture::CEdImgPicture;

    void Draw(QPainter& painter) override;
};
