#include "EdCurveLearning.h"

#include "CurvePoints.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

std::map<int, int> Learn(const std::vector<int>& samples)
{
    CEdTouchCurveData curve;
    curve.Reset();
    EdApplyLearnedCurve(curve, samples);
    return CurvePoints(curve);
}

struct LearnCase
{
    std::string name;
    std::vector<int> samples;
    std::map<int, int> expected; // every point of the learned curve, and no others
};

std::vector<int> Repeat(int velocity, int count)
{
    return std::vector<int>(static_cast<std::size_t>(count), velocity);
}

std::vector<int> Ramp(int first, int last)
{
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

std::map<int, int> Identity()
{
    std::map<int, int> points;
    for (int i = 0; i <= 127; ++i)
        points[i] = i;
    return points;
}

// Expected points worked out by hand from the steps of the computation; the notes give the
// intermediate values that decide each case.
const LearnCase kCases[] = {
    {"even_steps", {20, 40, 60, 80, 100, 120},
     {{0, 0}, {20, 18}, {40, 36}, {60, 54}, {80, 72}, {100, 92}, {120, 114}, {127, 127}}},
    {"falling_pair_made_rising", {50, 40, 60},
     {{0, 0}, {30, 32}, {43, 64}, {76, 95}, {127, 127}}},
    // Smoothed 0 63 127, spread 0 64 127; the joint at (63, 64) becomes (0 + 64 + 127) / 3.
    {"one_sample", {64}, {{0, 0}, {63, 63}, {127, 127}}},
    // Smoothed 82; the loud note sits at 100 + 27 / 2 = 114; joint (82, 64) -> 59, then
    // (120, 114) -> (59 + 114 + 127) / 3 = 100.
    {"one_loud_sample", {120}, {{0, 0}, {82, 59}, {120, 100}, {127, 127}}},
    // Smoothed 0 42 56 61 63 63 84 127: the flat step advances by one, the path ends at
    // (110, 128) and is scaled (64 * 127 / 128 = 63.5 -> 64).
    {"equal_samples", Repeat(64, 6),
     {{0, 0}, {42, 21}, {56, 42}, {61, 62}, {63, 84}, {64, 85}, {84, 106}, {127, 127}}},
    // Smoothed 0 71 65 38 36 42 73 127: three falls, path ends at (75, 165); loud notes sorted
    // to 105 at 109 and 110 at 118; (55, 30) is overwritten by (55, 32); joint (85, 97) -> 90
    // and (105, 109) -> 105.
    {"loud_samples_out_of_order", {110, 105, 20, 30, 40, 50},
     {{0, 0}, {55, 32}, {56, 34}, {57, 36}, {62, 66}, {85, 90}, {105, 105}, {110, 118}, {127, 127}}},
    // Only two smoothed points stay at or below 100; 28 loud notes over 27 steps collide at 107
    // and 120, where the path advances by one, so it ends at (129, 129) and the top points
    // crowd onto IN 125 and 126: the last of each wins.
    {"many_equal_loud_samples", Repeat(127, 28),
     {{0, 0}, {70, 10}, {94, 44}, {125, 105}, {126, 119}, {127, 127}}},
    // Smoothing leaves a ramp as it is; the 26 loud notes fill 101-126 one each.
    {"full_ramp_of_126_samples", Ramp(1, 126), Identity()},
};

class learned_curve_test : public testing::TestWithParam<LearnCase>
{
};

TEST_P(learned_curve_test, gives_the_worked_out_points)
{
    EXPECT_EQ(Learn(GetParam().samples), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(samples, learned_curve_test, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LearnCase>& param) { return param.param.name; });

TEST(learned_points_test, come_in_the_order_they_are_set)
{
    // (55, 30) before (55, 32): the later point at the same IN must win.
    const auto points = EdComputeLearnedPoints(std::vector<int>{110, 105, 20, 30, 40, 50});
    const std::vector<EdGridPoint> expected = {{0, 0},   {55, 30}, {55, 32},   {56, 34},   {57, 36},
                                               {62, 66}, {85, 90}, {105, 105}, {110, 118}, {127, 127}};
    EXPECT_EQ(points, expected);
}

TEST(learned_points_test, no_samples_change_nothing)
{
    CEdTouchCurveData curve;
    curve.SetPoint(64, 30);
    EdApplyLearnedCurve(curve, {});
    EXPECT_EQ(CurvePoints(curve), (std::map<int, int>{{0, 0}, {64, 30}, {127, 127}}));
}

TEST(learned_points_test, are_set_over_the_table_without_clearing_it)
{
    CEdTouchCurveData curve;
    curve.SetPoint(10, 99);
    EdApplyLearnedCurve(curve, std::vector<int>{64});
    EXPECT_EQ(CurvePoints(curve), (std::map<int, int>{{0, 0}, {10, 99}, {63, 63}, {127, 127}}));
}

TEST(learned_points_test, samples_outside_the_velocity_range_are_clamped)
{
    EXPECT_EQ(Learn({500}), Learn({127}));
    EXPECT_EQ(Learn({-5, 64}), Learn({0, 64}));
}

TEST(learned_points_test, only_the_first_126_samples_count)
{
    std::vector<int> samples = Ramp(1, 126);
    samples.push_back(1);
    samples.push_back(1);
    EXPECT_EQ(Learn(samples), Identity());
}

} // namespace
