#include "EdCurveLearning.h"

#include "EdMulDiv.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int kTop = 127;
// Played velocities above this are placed on the curve's top stretch one by one.
constexpr int kLoudVelocity = 100;

struct Point
{
    int x = 0;
    int y = 0;
};

// A path that keeps rising in y: it follows each step of `from` where y goes up, and elsewhere
// advances both coordinates by one.
std::vector<Point> RisingPath(const std::vector<Point>& from)
{
    std::vector<Point> path{{0, 0}};
    Point prev{0, 0};
    Point acc{0, 0};
    for (std::size_t k = 1; k < from.size(); ++k) {
        const Point next = from[k];
        if (next.y - prev.y > 0) {
            acc.x += next.x - prev.x;
            acc.y += next.y - prev.y;
        } else {
            acc.x += 1;
            acc.y += 1;
        }
        path.push_back(acc);
        prev = next;
    }
    return path;
}

// Scales every point by what brings the last one to (127, 127).
void ScaleToTop(std::vector<Point>& path)
{
    const Point last = path.back();
    for (Point& p : path)
        p = {MulDiv(p.x, kTop, last.x), MulDiv(p.y, kTop, last.y)};
}
} // namespace

std::vector<EdGridPoint> EdComputeLearnedPoints(std::span<const int> samples)
{
    if (samples.empty())
        return {};

    std::vector<int> velocities(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                       samples.size(), std::size_t{kEdMaxLearnSamples})));
    for (int& v : velocities)
        v = std::clamp(v, 0, kTop);

    // The played velocities between the fixed ends 0 and 127, smoothed front to back so that
    // each value already carries its smoothed predecessor.
    std::vector<int> played;
    played.reserve(velocities.size() + 2);
    played.push_back(0);
    played.insert(played.end(), velocities.begin(), velocities.end());
    played.push_back(kTop);
    const int n = static_cast<int>(played.size()) - 1;
    for (std::size_t j = 1; j + 1 < played.size(); ++j)
        played[j] = (played[j - 1] + played[j] + played[j + 1]) / 3;

    // x: the notes spread evenly over 0-127; y: the smoothed velocity, kept rising.
    std::vector<Point> spread{{0, 0}};
    for (int k = 1; k <= n; ++k)
        spread.push_back({MulDiv(k, kTop, n), played[static_cast<std::size_t>(k)]});
    std::vector<Point> curve = RisingPath(spread);
    ScaleToTop(curve);

    // The loud end: smoothing flattens it, so the loud notes themselves are spread over the
    // top stretch in ascending order.
    std::vector<int> loud;
    std::copy_if(velocities.begin(), velocities.end(), std::back_inserter(loud),
                 [](int v) { return v > kLoudVelocity; });
    std::sort(loud.begin(), loud.end());
    curve.erase(std::remove_if(curve.begin() + 1, curve.end(), [](const Point& p) { return p.y > kLoudVelocity; }),
                curve.end());
    const int loudCount = static_cast<int>(loud.size());
    for (int i = 0; i < loudCount; ++i)
        curve.push_back({kLoudVelocity + MulDiv(kTop - kLoudVelocity, i + 1, loudCount + 1),
                         loud[static_cast<std::size_t>(i)]});
    curve.push_back({kTop, kTop});

    // Now (played velocity, wanted OUT velocity), made rising in OUT.
    for (Point& p : curve)
        std::swap(p.x, p.y);
    std::vector<Point> learned = RisingPath(curve);
    ScaleToTop(learned);

    // Soften the joint between the smoothed part and the loud stretch: the last point below
    // IN 100 and, when it is not the second last, the one after it.
    const int count = static_cast<int>(learned.size());
    int joint = -1;
    for (int c = count - 1; c >= 1; --c) {
        if (learned[static_cast<std::size_t>(c)].x < kLoudVelocity) {
            joint = c;
            break;
        }
    }
    // The point after the joint always exists unless scaling failed (a zero last point).
    if (joint >= 1 && joint + 1 < count) {
        auto y = [&](int i) -> int& { return learned[static_cast<std::size_t>(i)].y; };
        y(joint) = (y(joint - 1) + y(joint) + y(joint + 1)) / 3;
        if (joint < count - 2)
            y(joint + 1) = (y(joint) + y(joint + 1) + y(joint + 2)) / 3;
    }

    std::vector<EdGridPoint> points;
    points.reserve(learned.size());
    for (const Point& p : learned)
        points.push_back({p.x, p.y});
    return points;
}

void EdApplyLearnedCurve(CEdTouchCurveData& curve, std::span<const int> samples)
{
    for (const EdGridPoint& p : EdComputeLearnedPoints(samples))
        curve.SetPoint(p.in, p.out);
}
