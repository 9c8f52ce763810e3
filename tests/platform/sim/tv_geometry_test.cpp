// The converter's picture geometry read back from the registers the program writes: the
// desktop rectangle the scaler selects is the one the program was given, to within what the
// registers can say, on three screen sizes; and the TV position presets land in the raster
// as underscan and overscan should.
#include "model/ScalerFormula.h"
#include "model/TvPresets.h"
#include "platform/sim/converter/tv/tv_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

constexpr WORD kA = 1000;
constexpr WORD kB = 300;
constexpr WORD kC = 500;

sim::TvRegisters Registers(const ScalerValues& values, const RECT& tv, bool pal) {
    return sim::TvRegisters{static_cast<std::uint16_t>(values.horizontalScale),
                            static_cast<std::uint16_t>(values.verticalScale),
                            static_cast<std::uint16_t>(values.horizontalStart),
                            static_cast<std::uint16_t>(values.verticalStart),
                            static_cast<std::uint16_t>(tv.left),
                            static_cast<std::uint16_t>(tv.top),
                            static_cast<std::uint16_t>(tv.right),
                            static_cast<std::uint16_t>(tv.bottom),
                            pal};
}

ScalerValues Forward(int width, int height, RECT area, WORD tvLines, bool pal) {
    return ComputeScaler(ScalerInput{width, height, area, kA, kB, kC, tvLines, pal});
}

struct Screen {
    int width;
    int height;
};

class TvSourceTest : public ::testing::TestWithParam<Screen> {};

// Random rectangles, each read back and programmed again: the registers must come out the
// same to within one step, and the largest pixel error is reported.
TEST_P(TvSourceTest, TheSelectedAreaComesBackWithinTheRegistersResolution) {
    const Screen screen = GetParam();
    std::mt19937 random(20261208u + static_cast<unsigned>(screen.width));
    const RECT tv = g_rcTvNtscUnderscan;
    int worstPixels = 0;
    int worstSteps = 0;
    for (int i = 0; i < 2000; ++i) {
        std::uniform_int_distribution<int> x(0, screen.width - 1);
        std::uniform_int_distribution<int> y(0, screen.height - 1);
        int l = x(random), r = x(random), t = y(random), b = y(random);
        if (l > r)
            std::swap(l, r);
        if (t > b)
            std::swap(t, b);
        const RECT area{l, t, r, b};
        const ScalerValues values = Forward(screen.width, screen.height, area, tv.bottom, false);
        // A scale at its limit (B, C) shows more than was asked for: that is another test's.
        if (values.horizontalScale >= kB || values.verticalScale >= kC) {
            continue;
        }
        const sim::TvGeometry geometry = sim::ComputeTvGeometry(
            Registers(values, tv, false), sim::TvInput{screen.width, screen.height, kA, kB, kC});
        const sim::TvRect& s = geometry.source;
        const ScalerValues again = Forward(
            screen.width, screen.height, RECT{s.left, s.top, s.right, s.bottom}, tv.bottom, false);
        worstSteps = std::max({worstSteps, std::abs(again.horizontalScale - values.horizontalScale),
                               std::abs(again.verticalScale - values.verticalScale),
                               std::abs(again.horizontalStart - values.horizontalStart),
                               std::abs(again.verticalStart - values.verticalStart)});
        worstPixels = std::max({worstPixels, std::abs(s.left - l), std::abs(s.top - t),
                                std::abs(s.right - r), std::abs(s.bottom - b)});
    }
    RecordProperty("worst_pixels", worstPixels);
    RecordProperty("worst_register_steps", worstSteps);
    // Near a scale's limit one pixel of width or height is worth more than one step of it, so
    // the whole pixels of the read-back area may land a step further.
    EXPECT_LE(worstSteps, 2) << "the read-back area programs the same registers";
    // One horizontal start step is W * A / 49800 pixels; the scales add a few more at most.
    EXPECT_LE(worstPixels, screen.width * kA / 49800 + 3);
}

INSTANTIATE_TEST_SUITE_P(Screens, TvSourceTest,
                         ::testing::Values(Screen{800, 600}, Screen{1024, 768}, Screen{1920, 1080}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

// The areas the program's own examples program, read back: each edge within the registers'
// resolution, except that a scale at its limit shows more than was asked, from the same
// left or top edge.
TEST(TvGeometry, EveryWorkedExampleComesBackAsItsArea) {
    struct Example {
        int width, height;
        RECT area;
        WORD b, c;
    };
    const Example examples[] = {
        {800, 600, {100, 50, 499, 549}, 300, 500},   {800, 600, {100, 50, 499, 349}, 300, 500},
        {1024, 768, {256, 192, 767, 575}, 330, 480}, {1024, 768, {0, 0, 1023, 767}, 300, 500},
        {800, 600, {0, 0, 799, 599}, 300, 500},      {1024, 768, {100, 100, 500, 400}, 300, 500},
        {1024, 768, {0, 0, 511, 383}, 300, 500},     {1024, 768, {512, 0, 1023, 383}, 300, 500},
        {1024, 768, {0, 0, 255, 191}, 300, 500},     {1024, 768, {0, 0, 400, 300}, 300, 500},
        {1024, 768, {112, 100, 512, 400}, 300, 500},
    };
    for (const Example& e : examples) {
        const ScalerValues values =
            ComputeScaler(ScalerInput{e.width, e.height, e.area, kA, e.b, e.c,
                                      static_cast<WORD>(g_rcTvNtscUnderscan.bottom), false});
        const sim::TvRect s = sim::ComputeTvGeometry(Registers(values, g_rcTvNtscUnderscan, false),
                                                     sim::TvInput{e.width, e.height, kA, e.b, e.c})
                                  .source;
        const int tolerance = e.width * kA / 49800 + 3;
        const bool wide = values.horizontalScale >= e.b;
        const bool tall = values.verticalScale >= e.c;
        const std::string name = std::to_string(e.area.left) + " " + std::to_string(e.area.top) +
                                 " " + std::to_string(e.area.right) + " " +
                                 std::to_string(e.area.bottom);
        EXPECT_NEAR(e.area.left, s.left, tolerance) << name;
        EXPECT_NEAR(e.area.top, s.top, tolerance) << name;
        if (wide) {
            EXPECT_GT(s.right, e.area.right) << name << ": the limit shows more";
        } else {
            EXPECT_NEAR(e.area.right, s.right, tolerance) << name;
        }
        if (tall) {
            EXPECT_GT(s.bottom, e.area.bottom) << name << ": the limit shows more";
        } else {
            EXPECT_NEAR(e.area.bottom, s.bottom, tolerance) << name;
        }
    }
}

// A narrow area drives the horizontal scale to its limit B; the TV then shows the widest area
// the limit allows, from the same left edge.
TEST(TvGeometry, AScaleAtItsLimitShowsWhatTheLimitSelects) {
    const RECT narrow{100, 100, 199, 499};
    const ScalerValues values = Forward(1024, 768, narrow, g_rcTvNtscUnderscan.bottom, false);
    ASSERT_EQ(kB, values.horizontalScale);
    const sim::TvGeometry geometry = sim::ComputeTvGeometry(
        Registers(values, g_rcTvNtscUnderscan, false), sim::TvInput{1024, 768, kA, kB, kC});
    const int shown = geometry.source.right - geometry.source.left + 1;
    EXPECT_NEAR(1024.0 / (300.0 / 218.0 + 1.0), shown, 1.0);
    EXPECT_NEAR(100, geometry.source.left, 1024 * kA / 49800 + 1);
}

TEST(TvGeometry, AllFourAtZeroIsTheWholeDesktop) {
    const sim::TvGeometry geometry =
        sim::ComputeTvGeometry(Registers(ScalerValues{0, 0, 0, 0}, g_rcTvNtscUnderscan, false),
                               sim::TvInput{1024, 768, kA, kB, kC});
    EXPECT_EQ(0, geometry.source.left);
    EXPECT_EQ(0, geometry.source.top);
    EXPECT_EQ(1023, geometry.source.right);
    EXPECT_EQ(767, geometry.source.bottom);
}

TEST(TvGeometry, OverscanFillsTheRasterAndUnderscanLeavesABorder) {
    struct Case {
        RECT preset;
        bool pal;
        int lines;
        bool filled;
    };
    const Case cases[] = {{g_rcTvNtscOverscan, false, 480, true},
                          {g_rcTvPalOverscan, true, 576, true},
                          {g_rcTvNtscUnderscan, false, 480, false},
                          {g_rcTvPalUnderscan, true, 576, false}};
    for (const Case& c : cases) {
        const sim::TvGeometry g = sim::ComputeTvGeometry(Registers(ScalerValues{}, c.preset, c.pal),
                                                         sim::TvInput{1024, 768, kA, kB, kC});
        EXPECT_EQ(c.lines, g.rasterHeight);
        const bool filled = g.picture.left == 0 && g.picture.top == 0 &&
                            g.picture.right == g.rasterWidth - 1 &&
                            g.picture.bottom == g.rasterHeight - 1;
        EXPECT_EQ(c.filled, filled) << c.preset.left << " " << c.preset.top;
        EXPECT_GE(g.picture.left, 0);
        EXPECT_LT(g.picture.right, g.rasterWidth) << "underscan and overscan stay inside";
    }
}

} // namespace
