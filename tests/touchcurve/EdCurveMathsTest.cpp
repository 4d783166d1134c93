#include "EdCurveMaths.h"
#include "EdMulDiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct MulDivCase
{
    int a, b, c, expected;
};

TEST(mul_div_test, rounds_to_nearest_with_halves_away_from_zero)
{
    const MulDivCase cases[] = {
        {4, 127, 7, 73},      // 72.57
        {1, 27, 2, 14},       // 13.5
        {-1, 27, 2, -14},     // -13.5
        {1, -27, 2, -14},
        {1, 27, -2, -14},
        {-1, -27, -2, -14},
        {-1, -27, 2, 14},
        {64, 127, 128, 64},   // 63.5
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {-2, 1, 3, -1},
        {0, 127, 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

TEST(mul_div_test, uses_a_64_bit_intermediate)
{
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
}

TEST(mul_div_test, zero_divisor_and_overflow_give_minus_one)
{
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(MulDiv(0, 0, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
}

// The plot of the 640 x 480 window: 508 x 381 pixels, four pixels per IN step, three per OUT.
constexpr EdGraphRect kPlot{0, 0, 508, 381};

TEST(curve_maths_test, grid_to_pixel_puts_out_zero_at_the_bottom)
{
    EXPECT_EQ(EdGridToPixel(kPlot, 0, 0), (EdPixelPoint{0, 381}));
    EXPECT_EQ(EdGridToPixel(kPlot, 127, 127), (EdPixelPoint{508, 0}));
    EXPECT_EQ(EdGridToPixel(kPlot, 64, 30), (EdPixelPoint{256, 291}));
    // Offset rectangle, steps that are not whole pixels: 500 * 1 / 127 = 3.94.
    const EdGraphRect odd{10, 20, 510, 320};
    EXPECT_EQ(EdGridToPixel(odd, 1, 1), (EdPixelPoint{14, 318}));
}

struct PixelCase
{
    int x, y;
    int in, out; // -1, -1: off the grid
};

TEST(curve_maths_test, pixel_to_grid_uses_half_step_bands)
{
    const PixelCase cases[] = {
        {0, 381, 0, 0},
        {-2, 382, 0, 0},     // lowest pixels of the first bands
        {-3, 381, -1, -1},   // left of the graph
        {0, 383, -1, -1},    // below the graph
        {1, 380, 0, 0},
        {2, 379, 1, 1},
        {509, -1, 127, 127}, // highest pixels of the last bands
        {510, 0, -1, -1},
        {508, -2, -1, -1},
        {256, 291, 64, 30},
    };
    for (const auto& c : cases) {
        const auto grid = EdPixelToGrid(kPlot, c.x, c.y);
        if (c.in < 0) {
            EXPECT_FALSE(grid.has_value()) << c.x << ", " << c.y;
        } else {
            ASSERT_TRUE(grid.has_value()) << c.x << ", " << c.y;
            EXPECT_EQ(*grid, (EdGridPoint{c.in, c.out})) << c.x << ", " << c.y;
        }
    }
}

TEST(curve_maths_test, a_pixel_on_a_band_edge_belongs_to_the_higher_velocity)
{
    // Two pixels per step: IN bands are closed on the left, OUT bands closed at the bottom.
    const EdGraphRect plot{0, 0, 254, 254};
    EXPECT_EQ(EdPixelToGrid(plot, 0, 254), (EdGridPoint{0, 0}));
    EXPECT_EQ(EdPixelToGrid(plot, 1, 253), (EdGridPoint{1, 1}));
    EXPECT_EQ(EdPixelToGrid(plot, 3, 251), (EdGridPoint{2, 2}));
}

TEST(curve_maths_test, every_grid_point_maps_back_from_its_pixel)
{
    for (const EdGraphRect& rect : {kPlot, EdGraphRect{10, 20, 510, 320}, EdGraphRect{0, 0, 127, 127}}) {
        for (int in = 0; in <= 127; ++in) {
            for (int out = 0; out <= 127; ++out) {
                const EdPixelPoint p = EdGridToPixel(rect, in, out);
                const auto grid = EdPixelToGrid(rect, p.x, p.y);
                ASSERT_TRUE(grid.has_value()) << in << ", " << out;
                ASSERT_EQ(*grid, (EdGridPoint{in, out})) << rect.right << ": " << in << ", " << out;
            }
        }
    }
}

TEST(curve_maths_test, an_empty_rectangle_has_no_grid)
{
    EXPECT_FALSE(EdPixelToGrid(EdGraphRect{5, 5, 5, 5}, 5, 5).has_value());
}

CEdTouchCurveData::Table TableWith(std::initializer_list<std::pair<int, int>> points)
{
    CEdTouchCurveData::Table table;
    table.fill(CEdTouchCurveData::kNoPoint);
    for (auto [in, out] : points)
        table[static_cast<std::size_t>(in)] = out;
    return table;
}

struct HitCase
{
    int in, out;
    int hitIn, hitOut; // -1, -1: no hit
};

TEST(curve_maths_test, hit_test_finds_the_lowest_point_within_two_steps)
{
    const auto table = TableWith({{0, 0}, {40, 50}, {42, 52}, {127, 127}});
    const HitCase cases[] = {
        {41, 51, 40, 50},    // both near: lower IN wins
        {40, 50, 40, 50},
        {38, 48, 40, 50},    // two below in both directions
        {44, 54, 42, 52},    // two above in both directions
        {37, 50, -1, -1},    // three steps left
        {40, 47, -1, -1},    // three steps below
        {1, 2, 0, 0},        // range clipped at IN 0
        {127, 125, 127, 127},
        {64, 64, -1, -1},
    };
    for (const auto& c : cases) {
        const auto hit = EdHitTest(table, c.in, c.out);
        const EdGridPoint got = hit.value_or(EdGridPoint{-1, -1});
        EXPECT_EQ(got, (EdGridPoint{c.hitIn, c.hitOut})) << c.in << ", " << c.out;
    }
}

TEST(curve_maths_test, hit_test_takes_any_position)
{
    const auto table = TableWith({{0, 0}, {127, 127}});
    EXPECT_FALSE(EdHitTest(table, INT_MAX, INT_MAX).has_value());
    EXPECT_FALSE(EdHitTest(table, INT_MIN, INT_MIN).has_value());
}

struct InterpolationCase
{
    int v, expected;
};

TEST(curve_maths_test, interpolation_follows_the_line_between_neighbouring_points)
{
    const auto table = TableWith({{0, 0}, {40, 80}, {127, 127}});
    const InterpolationCase cases[] = {
        {20, 40},
        {40, 80},   // at a point: the segment ending there
        {41, 80},   // 80 - round(47*40/87 = 21.6) + round(47*41/87 = 22.1)
        {100, 112}, // 80 - 22 + round(54.02)
        {127, 127},
        {0, 0},     // no point below: the point itself
        {-1, -1},
        {128, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EdInterpolate(table, c.v), c.expected) << c.v;
}

TEST(curve_maths_test, interpolation_rounds_a_falling_line_away_from_zero)
{
    const auto table = TableWith({{0, 100}, {127, 0}});
    EXPECT_EQ(EdInterpolate(table, 64), 50); // 100 + round(-50.4)
    EXPECT_EQ(EdInterpolate(table, 1), 99);  // 100 + round(-0.79)
}

TEST(curve_maths_test, interpolation_without_a_point_above_has_no_value)
{
    EXPECT_EQ(EdInterpolate(TableWith({{0, 0}}), 64), -1);
}

TEST(curve_maths_test, entries_outside_the_velocity_range_are_not_points)
{
    // Only files written elsewhere hold such entries; they must not enter the arithmetic.
    const auto table = TableWith({{0, 0}, {50, INT_MIN}, {60, INT_MAX}, {127, 127}});
    EXPECT_EQ(EdInterpolate(table, 64), 64);
    EXPECT_FALSE(EdHitTest(table, 50, INT_MIN).has_value());
}

} // namespace
