#pragma once

#include "EdTouchCurveData.h"

#include <optional>

// A position on the curve's grid: IN and OUT velocity.
struct EdGridPoint
{
    int in = -1;
    int out = -1;

    bool operator==(const EdGridPoint&) const = default;
};

struct EdPixelPoint
{
    int x = 0;
    int y = 0;

    bool operator==(const EdPixelPoint&) const = default;
};

// The plot rectangle in pixels; right and bottom are the positions of IN 127 and OUT 0
// (not Qt's inclusive right()/bottom(), which are one pixel less).
struct EdGraphRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where a grid position is drawn: OUT grows upwards from the bottom edge.
EdPixelPoint EdGridToPixel(const EdGraphRect& rect, int in, int out);

// The grid position under a pixel: each velocity owns a band one step wide centred on its
// line. Empty when the pixel is outside the bands in either direction.
std::optional<EdGridPoint> EdPixelToGrid(const EdGraphRect& rect, int x, int y);

// Control points are the entries 0-127; other values (only foreign files hold them) are none.

// The control point within `radius` grid units of (in, out) in both directions; the lowest IN
// wins when several are near.
std::optional<EdGridPoint> EdHitTest(const CEdTouchCurveData::Table& table, int in, int out, int radius = 2);

// OUT of the straight line through the control points on either side of IN velocity v, as the
// highlight of a played velocity shades it. -1 when v is outside 0-127 or no point lies at or
// above v; the first point's OUT when none lies below v.
int EdInterpolate(const CEdTouchCurveData::Table& table, int v);
