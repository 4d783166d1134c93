#include "EdCurveMaths.h"

#include "EdMulDiv.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kTop = CEdTouchCurveData::kEntryCount - 1;

int Entry(const CEdTouchCurveData::Table& table, int in)
{
    return table[static_cast<std::size_t>(in)];
}

// Entries other than -1 and 0-127 come only from foreign files; they count as no point here so
// that no arithmetic runs on them.
bool IsPoint(int entry)
{
    return entry >= 0 && entry <= kTop;
}
} // namespace

EdPixelPoint EdGridToPixel(const EdGraphRect& rect, int in, int out)
{
    return {rect.left + MulDiv(rect.right - rect.left, in, kTop),
            rect.bottom - MulDiv(rect.bottom - rect.top, out, kTop)};
}

std::optional<EdGridPoint> EdPixelToGrid(const EdGraphRect& rect, int x, int y)
{
    // Bands are computed in floating point so that a graph whose size is not a multiple of 127
    // still gives every velocity its share. IN bands are closed on the left, OUT bands at the
    // bottom, so a pixel on an edge belongs to the higher velocity.
    const double sx = static_cast<double>(rect.right - rect.left) / kTop;
    const double sy = static_cast<double>(rect.bottom - rect.top) / kTop;
    EdGridPoint grid;
    for (int i = 0; i <= kTop; ++i) {
        const double centre = rect.left + sx * i;
        if (centre - sx / 2 <= x && x < centre + sx / 2) {
            grid.in = i;
            break;
        }
    }
    for (int j = 0; j <= kTop; ++j) {
        const double centre = rect.bottom - sy * j;
        if (centre - sy / 2 < y && y <= centre + sy / 2) {
            grid.out = j;
            break;
        }
    }
    if (grid.in < 0 || grid.out < 0)
        return std::nullopt;
    return grid;
}

std::optional<EdGridPoint> EdHitTest(const CEdTouchCurveData::Table& table, int in, int out, int radius)
{
    // 64-bit bounds: callers may pass any int.
    const std::int64_t first = std::max<std::int64_t>(0, std::int64_t{in} - radius);
    const std::int64_t last = std::min<std::int64_t>(kTop, std::int64_t{in} + radius);
    for (std::int64_t i = first; i <= last; ++i) {
        const int entry = Entry(table, static_cast<int>(i));
        if (IsPoint(entry) && entry >= std::int64_t{out} - radius && entry <= std::int64_t{out} + radius)
            return EdGridPoint{static_cast<int>(i), entry};
    }
    return std::nullopt;
}

int EdInterpolate(const CEdTouchCurveData::Table& table, int v)
{
    if (v < 0 || v > kTop)
        return -1;
    int x0 = -1;
    for (int i = v - 1; i >= 0; --i) {
        if (IsPoint(Entry(table, i))) {
            x0 = i;
            break;
        }
    }
    int x1 = -1;
    for (int i = v; i <= kTop; ++i) {
        if (IsPoint(Entry(table, i))) {
            x1 = i;
            break;
        }
    }
    if (x1 < 0)
        return -1;
    const int y1 = Entry(table, x1);
    if (x0 < 0)
        return y1;
    const int y0 = Entry(table, x0);
    return y0 - MulDiv(y1 - y0, x0, x1 - x0) + MulDiv(y1 - y0, v, x1 - x0);
}
