// The converter's TV picture made from its registers' settings and the screen it is fed: test
// patterns, the slate, black before the output is ready, the border, and what each picture
// control does to the pixels.
#include "platform/sim/converter/tv/tv_picture.h"
#include "tests/support/busy_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>

namespace {

// A raster in which the screen maps pixel for pixel, so that filters can be read exactly.
sim::TvGeometry OneToOne() {
    return sim::TvGeometry{720, 480, sim::TvRect{0, 0, 719, 479}, sim::TvRect{0, 0, 719, 479}};
}

// One frame, from one renderer kept for every test as the converter keeps its own (a fresh
// renderer's buffers cost more than the frame).
sim::Image Render(const sim::TvGeometry& geometry, const sim::TvPictureSettings& settings,
                  const sim::Image& screen) {
    static sim::TvRenderer renderer;
    return renderer.Render(geometry, settings, screen);
}

int Red(std::uint32_t p) {
    return static_cast<int>(p >> 16);
}
int Green(std::uint32_t p) {
    return static_cast<int>((p >> 8) & 0xFF);
}
int Blue(std::uint32_t p) {
    return static_cast<int>(p & 0xFF);
}
int Luma(std::uint32_t p) {
    return (77 * Red(p) + 150 * Green(p) + 29 * Blue(p)) >> 8;
}

struct Bars {
    int type;
    int level;
};

class TestPatternTest : public ::testing::TestWithParam<Bars> {};

TEST_P(TestPatternTest, EightBarsInTheStandardOrder) {
    sim::TvPictureSettings settings;
    settings.testPattern = true;
    settings.patternType = GetParam().type;
    const sim::Image tv = Render(OneToOne(), settings, sim::Image(720, 480, 0x3A6EA5));
    const auto l = static_cast<std::uint32_t>(GetParam().level);
    const std::uint32_t expected[8] = {l << 16 | l << 8 | l, l << 16 | l << 8, l << 8 | l, l << 8,
                                       l << 16 | l,          l << 16,          l,          0};
    for (int bar = 0; bar < 8; ++bar) {
        for (const int y : {0, 240, 479}) {
            EXPECT_EQ(expected[bar], tv.At(bar * 90 + 45, y)) << "bar " << bar << " line " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, TestPatternTest, ::testing::Values(Bars{2, 255}, Bars{3, 191}));

TEST(TvPicture, GradientsRampOneColourFromLeftToRight) {
    const std::uint32_t masks[] = {0xFF0000, 0x00FF00, 0x0000FF};
    for (int type = 5; type <= 7; ++type) {
        const sim::Image tv = sim::RenderTestPattern(type, 720, 576);
        const std::uint32_t mask = masks[type - 5];
        EXPECT_EQ(0u, tv.At(0, 300));
        EXPECT_EQ(mask, tv.At(719, 300));
        const std::uint32_t middle = tv.At(360, 300);
        EXPECT_EQ(middle, middle & mask) << "only its own colour";
        EXPECT_NEAR(128, std::max({Red(middle), Green(middle), Blue(middle)}), 2);
    }
}

// Which lines carry white: one run of them per name on the slate.
int TextLines(const sim::Image& image) {
    int runs = 0;
    bool inRun = false;
    for (int y = 0; y < image.height; ++y) {
        bool white = false;
        for (int x = 0; x < image.width && !white; ++x) {
            white = image.At(x, y) == 0xFFFFFF;
        }
        runs += white && !inRun ? 1 : 0;
        inRun = white;
    }
    return runs;
}

TEST(TvPicture, AnExternalInputShowsASlateNamingEachInputSwitchedThrough) {
    const sim::Image screen(720, 480, 0x808080);
    sim::TvPictureSettings settings;
    const sim::Image desktop = Render(OneToOne(), settings, screen);
    EXPECT_EQ(0, TextLines(desktop));
    for (const auto& [inputs, names] :
         {std::pair{sim::kTvInputSVideo, 1},
          {sim::kTvInputComposite, 1},
          {static_cast<std::uint8_t>(sim::kTvInputSVideo | sim::kTvInputComposite), 2}}) {
        settings.externalInputs = inputs;
        const sim::Image slate = Render(OneToOne(), settings, screen);
        EXPECT_EQ(names, TextLines(slate)) << int{inputs};
        EXPECT_NE(desktop.At(10, 10), slate.At(10, 10)) << "the desktop is not shown";
        EXPECT_EQ(slate.At(10, 10), slate.At(710, 470)) << "a plain slate";
    }
    settings.externalInputs = 0x01; // a bit that selects no input
    EXPECT_EQ(desktop.pixels, Render(OneToOne(), settings, screen).pixels);
}

TEST(TvPicture, AnOutputThatIsNotReadyIsBlackWhateverElseIsOn) {
    sim::TvPictureSettings settings;
    settings.outputReady = false;
    settings.testPattern = true;
    settings.patternType = 2;
    settings.pedestal = true;
    const sim::Image tv = Render(OneToOne(), settings, sim::Image(720, 480, 0xFFFFFF));
    EXPECT_TRUE(
        std::all_of(tv.pixels.begin(), tv.pixels.end(), [](std::uint32_t p) { return p == 0; }));
}

// A white desktop scaled into the raster: the picture lies where the geometry says, the rest
// is black.
TEST(TvPicture, ThePictureFillsItsPlaceAndTheBorderIsBlack) {
    const sim::Image screen(1024, 768, 0xFFFFFF);
    const sim::TvGeometry underscan{720, 480, {0, 0, 1023, 767}, {40, 17, 697, 428}};
    const sim::Image tv = Render(underscan, sim::TvPictureSettings{}, screen);
    EXPECT_EQ(0u, tv.At(39, 200));
    EXPECT_EQ(0xFFFFFFu, tv.At(40, 200));
    EXPECT_EQ(0xFFFFFFu, tv.At(697, 428));
    EXPECT_EQ(0u, tv.At(698, 200));
    EXPECT_EQ(0u, tv.At(300, 429));
    const sim::TvGeometry pal{720, 576, {0, 0, 1023, 767}, {-20, -10, 739, 585}};
    const sim::Image overscan = Render(pal, sim::TvPictureSettings{}, screen);
    EXPECT_EQ(576, overscan.height);
    EXPECT_EQ(0xFFFFFFu, overscan.At(0, 0)) << "beyond the raster: the edges are lost";
    EXPECT_EQ(0xFFFFFFu, overscan.At(719, 575));
}

// One screen line of white on black: the flicker filter spreads it over the lines above and
// below by its level.
TEST(TvPicture, TheFlickerFilterBlendsEachLineWithItsNeighbours) {
    sim::Image screen(720, 480, 0);
    FillRect(screen, 0, 100, 720, 101, 0xFFFFFF);
    struct Case {
        int level;
        int line;
        int neighbours;
    };
    for (const Case& c : {Case{0, 255, 0}, Case{8, 127, 63}, Case{15, 15, 119}}) {
        sim::TvPictureSettings settings;
        settings.flickerLevel = c.level;
        const sim::Image tv = Render(OneToOne(), settings, screen);
        EXPECT_NEAR(c.line, Luma(tv.At(300, 100)), 1) << "level " << c.level;
        EXPECT_NEAR(c.neighbours, Luma(tv.At(300, 99)), 1) << "level " << c.level;
        EXPECT_NEAR(c.neighbours, Luma(tv.At(300, 101)), 1) << "level " << c.level;
        EXPECT_EQ(0u, tv.At(300, 98));
    }
}

// What each control does to a flat colour, or to the edge between two.
TEST(TvPicture, EachPictureControlChangesThePictureItsOwnWay) {
    constexpr std::uint32_t kColour = 0x3C8D5A;
    sim::Image edge(720, 480, 0);
    FillRect(edge, 0, 0, 360, 480, 0xFF0000);
    FillRect(edge, 400, 0, 720, 480, 0xFFFFFF);
    struct Case {
        const char* what;
        std::function<void(sim::TvPictureSettings&)> set;
        bool flat; // the flat colour, else the edges
        std::function<bool(const sim::Image&)> holds;
    };
    const Case cases[] = {
        {"defaults leave the colour", [](auto&) {}, true,
         [](const sim::Image& tv) {
             const std::uint32_t p = tv.At(360, 240);
             return std::abs(Red(p) - 0x3C) <= 2 && std::abs(Green(p) - 0x8D) <= 2 &&
                    std::abs(Blue(p) - 0x5A) <= 2;
         }},
        {"contrast 0 is black", [](auto& s) { s.contrast = 0; }, true,
         [](const sim::Image& tv) { return Luma(tv.At(360, 240)) <= 2; }},
        {"contrast 63 is brighter", [](auto& s) { s.contrast = 63; }, true,
         [](const sim::Image& tv) { return Luma(tv.At(360, 240)) > Luma(kColour) + 60; }},
        {"brightness 127 is lighter", [](auto& s) { s.brightness = 127; }, true,
         [](const sim::Image& tv) { return Luma(tv.At(360, 240)) >= Luma(kColour) + 60; }},
        {"brightness -128 is darker", [](auto& s) { s.brightness = -128; }, true,
         [](const sim::Image& tv) { return Luma(tv.At(360, 240)) + 60 <= Luma(kColour); }},
        {"saturation 0 is grey", [](auto& s) { s.saturation = 0; }, true,
         [](const sim::Image& tv) {
             const std::uint32_t p = tv.At(360, 240);
             return Red(p) == Green(p) && Green(p) == Blue(p);
         }},
        {"the pedestal lifts black", [](auto& s) { s.pedestal = true; }, false,
         [](const sim::Image& tv) { return tv.At(380, 240) == 0x131313; }},
        {"the luminance filter softens an edge", [](auto& s) { s.luminanceFilter = true; }, false,
         [](const sim::Image& tv) {
             const int l = Luma(tv.At(400, 240));
             return l > 100 && l < 250 && tv.At(380, 240) == 0;
         }},
        {"the chroma filter bleeds colour past an edge", [](auto& s) { s.chromaFilter = true; },
         false,
         [](const sim::Image& tv) {
             const std::uint32_t p = tv.At(361, 240);
             return Red(p) > Green(p) + 20 && tv.At(363, 240) == 0;
         }},
        {"sharpness overshoots at an edge", [](auto& s) { s.sharpness = 31; }, false,
         [](const sim::Image& tv) { return Luma(tv.At(359, 240)) > Luma(tv.At(300, 240)); }},
    };
    for (const Case& c : cases) {
        sim::TvPictureSettings settings;
        c.set(settings);
        const sim::Image tv =
            Render(OneToOne(), settings, c.flat ? sim::Image(720, 480, kColour) : edge);
        EXPECT_TRUE(c.holds(tv)) << c.what;
    }
}

// The renderer keeps its buffers from frame to frame; what it kept must not show in the next.
TEST(TvPicture, ARendererUsedAgainMakesTheSameFrame) {
    const testing_support::BusyFrame busy;
    sim::TvRenderer renderer;
    const std::vector<std::uint32_t> first =
        renderer.Render(busy.pal, busy.settings, busy.screen).pixels;
    renderer.Render(OneToOne(), sim::TvPictureSettings{}, sim::Image(720, 480, 0xFFFFFF));
    EXPECT_EQ(first, renderer.Render(busy.pal, busy.settings, busy.screen).pixels);
}

} // namespace
