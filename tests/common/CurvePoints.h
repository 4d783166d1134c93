#pragma once

#include "EdTouchCurveData.h"

#include <map>

// The control points of a curve as IN -> OUT, so a whole table compares in one assertion.
inline std::map<int, int> CurvePoints(const CEdTouchCurveData& curve)
{
    std::map<int, int> points;
    for (int in = 0; in < CEdTouchCurveData::kEntryCount; ++in) {
        if (curve.GetPoint(in) != CEdTouchCurveData::kNoPoint)
            points[in] = curve.GetPoint(in);
    }
    return points;
}
