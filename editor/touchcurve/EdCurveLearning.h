#pragma once

#include "EdCurveMaths.h"
#include "EdTouchCurveData.h"

#include <span>
#include <vector>

// Learning ends with this many notes; the computation uses no more.
inline constexpr int kEdMaxLearnSamples = 126;

// The control points of a curve learned from velocities played from soft to loud, in the order
// they are set: a later point at the same IN replaces an earlier one. Empty for no samples.
// Samples are clamped into 0-127; only the first kEdMaxLearnSamples count.
std::vector<EdGridPoint> EdComputeLearnedPoints(std::span<const int> samples);

// Sets the learned points on the curve over what it holds (after the learning start, the
// straight line). Points outside the grid are ignored, as SetPoint does. Does nothing for no
// samples.
void EdApplyLearnedCurve(CEdTouchCurveData& curve, std::span<const int> samples);
