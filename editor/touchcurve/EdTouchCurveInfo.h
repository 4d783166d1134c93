#pragma once

#include "EdTouchCurveData.h"

#include <QString>

#include <memory>

// One entry of the curve library: a curve read from a file, and where the file lives.
class CEdTouchCurveInfo
{
public:
    enum Kind { Factory = 0, User = 1, Demo = 2 };

    virtual ~CEdTouchCurveInfo() = default;

    std::unique_ptr<CEdTouchCurveData> data;
    int kind = Factory;
    QString fileName; // without folder, for example User_003.tcv
};
