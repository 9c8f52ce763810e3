// What the TV shows when the program is used as a person uses it: the area picked on the
// overlay, the whole desktop, an external input, PAL with either TV position preset.
#include "model/TvPresets.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/view/view_harness.h"

#include <cstdlib>

namespace {

using testing_support::ViewTest;

constexpr std::uint32_t kOrange = 0xE07020;

class TvOutputTest : public ViewTest {
  protected:
    // The program started with its converter, whose output has had time to become ready.
    void StartAndWarmUp() {
        StartWithConverter();
        world.Advance(8000);
    }
    sim::Image Tv() { return converter->Render(world.PictureSent(), world.Now()); }
    sim::TvGeometry Geometry() const {
        return converter->Picture(sim::PrimaryScreen().Width(), sim::PrimaryScreen().Height(),
                                  world.Now());
    }
    HWND AddWindow(RECT rect, std::uint32_t colour) {
        sim::WindowManager::ForeignWindow window;
        window.rect = rect;
        window.client = rect;
        window.colour = colour;
        return sim::Windows().AddForeignWindow(window);
    }
};

// Near in every component: the pedestal and the picture controls move colours a little.
::testing::AssertionResult Near(std::uint32_t expected, std::uint32_t actual) {
    for (const int shift : {16, 8, 0}) {
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        if (std::abs(e - a) > 24) {
            return ::testing::AssertionFailure()
                   << std::hex << actual << " is not near " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(TvOutputTest, AfterSelectAreaTheTvCentreShowsTheWindowUnderTheArea) {
    AddWindow(RECT{600, 400, 1000, 740}, kOrange);
    StartAndWarmUp();
    const auto centre = [this] {
        const sim::TvRect p = Geometry().picture;
        return Tv().At((p.left + p.right) / 2, (p.top + p.bottom) / 2);
    };
    EXPECT_TRUE(Near(sim::kDesktopColour, centre())) << "the whole desktop at first";
    StartSelectingArea(650, 450, 950, 500);
    world.input.Click();
    EXPECT_TRUE(Near(kOrange, centre()));
}

// A window of its own colour in each corner of the screen: Full Screen shows all four in the
// picture's corners, in their places.
TEST_F(TvOutputTest, FullScreenShowsTheWholeDesktop) {
    const std::uint32_t colours[4] = {0xE02020, 0x20C020, 0x2040E0, 0xE0E020};
    AddWindow(RECT{0, 0, 100, 100}, colours[0]);
    AddWindow(RECT{924, 0, 1024, 100}, colours[1]);
    AddWindow(RECT{0, 668, 100, 768}, colours[2]);
    AddWindow(RECT{924, 668, 1024, 768}, colours[3]);
    StoreTopLeftQuarter();
    StartAndWarmUp();
    Choose(ID_FULL_SCREEN);
    const sim::Image tv = Tv();
    const sim::TvRect p = Geometry().picture;
    EXPECT_TRUE(Near(colours[0], tv.At(p.left + 4, p.top + 4)));
    EXPECT_TRUE(Near(colours[1], tv.At(p.right - 4, p.top + 4)));
    EXPECT_TRUE(Near(colours[2], tv.At(p.left + 4, p.bottom - 4)));
    EXPECT_TRUE(Near(colours[3], tv.At(p.right - 4, p.bottom - 4)));
    EXPECT_TRUE(Near(sim::kDesktopColour, tv.At((p.left + p.right) / 2, (p.top + p.bottom) / 2)));
}

TEST_F(TvOutputTest, AnExternalInputShowsItsSlateUntilSwitchedOff) {
    StartAndWarmUp();
    const sim::Image desktop = Tv();
    Choose(ID_EXTERNAL_SVIDEO);
    const sim::Image slate = Tv();
    const sim::TvRect p = Geometry().picture;
    EXPECT_FALSE(Near(sim::kDesktopColour, slate.At(p.left + 10, p.top + 10)));
    EXPECT_EQ(slate.At(0, 0), slate.At(p.left + 10, p.top + 10)) << "one plain colour";
    Choose(ID_EXTERNAL_SVIDEO);
    EXPECT_EQ(desktop.pixels, Tv().pixels);
}

// PAL's 576 lines; underscan leaves a black border inside them, overscan fills them.
TEST_F(TvOutputTest, PalOverscanFillsTheRasterThatUnderscanBorders) {
    StartAndWarmUp();
    ASSERT_EQ(1, Doc()->SetVideoStandard(1));
    for (const auto& [preset, bordered] :
         {std::pair{g_rcTvPalUnderscan, true}, {g_rcTvPalOverscan, false}}) {
        ASSERT_EQ(1, Doc()->SetTvPositionSize(preset));
        const sim::Image tv = Tv();
        EXPECT_EQ(576, tv.height);
        const std::uint32_t corner = tv.At(2, 2);
        EXPECT_EQ(bordered, Near(0, corner)) << std::hex << corner;
        EXPECT_EQ(!bordered, Near(sim::kDesktopColour, corner)) << std::hex << corner;
    }
}

} // namespace
