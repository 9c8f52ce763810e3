// Under the overlay the screen, and so the TV, keep showing the desktop as it was: the screen
// is composed, and the overlay paints a copy of it taken before it appeared.
#include "platform/sim/gdi32/gdi32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/view/view_harness.h"

namespace {

using testing_support::ViewTest;

struct OverlayMode {
    const char* name;
    UINT command;
};
void PrintTo(const OverlayMode& mode, std::ostream* out) {
    *out << mode.name;
}

class OverlayPictureTest : public ViewTest, public ::testing::WithParamInterface<OverlayMode> {
  protected:
    // Another program's white window, and a point on it and one on the bare desktop.
    void StartWithAWindowOnTheDesktop() {
        sim::WindowManager::ForeignWindow window;
        window.rect = window.client.emplace(RECT{100, 100, 500, 400});
        window.colour = 0xFFFFFF;
        sim::Windows().AddForeignWindow(window);
        StartWithConverter();
        world.Advance(8000); // the converter's output ready
    }
    std::pair<std::uint32_t, std::uint32_t> Seen() {
        const sim::Screen& screen = world.RepaintedScreen();
        return {screen.Pixel(300, 250), screen.Pixel(700, 600)};
    }
};

TEST_P(OverlayPictureTest, TheScreenAndTheTvShowTheDesktopAsBefore) {
    StartWithAWindowOnTheDesktop();
    const auto before = Seen();
    ASSERT_EQ(0xFFFFFFu, before.first);
    world.input.MoveMouse(300, 250);
    Choose(GetParam().command);
    ASSERT_TRUE(OverlayShown());
    EXPECT_EQ(before, Seen()) << "the overlay shows the desktop, not black";
    const sim::Image tv = converter->Render(world.PictureSent(), world.Now());
    EXPECT_NE(0u, tv.At(tv.width / 2, tv.height / 4)) << "and so does the TV";
    InvalidateRect(View()->m_hWnd, nullptr, TRUE);
    world.Pump();
    EXPECT_EQ(before, Seen()) << "painted again, the same";
    world.input.TypeKey(VK_ESCAPE);
    EXPECT_EQ(before, Seen());
    EXPECT_TRUE(sim::Gdi32().bitmaps.empty()) << "the copy goes with the overlay";
}

INSTANTIATE_TEST_SUITE_P(Modes, OverlayPictureTest,
                         ::testing::Values(OverlayMode{"SelectArea", ID_SELECT_AREA},
                                           OverlayMode{"SelectWindow", ID_SELECT_WINDOW},
                                           OverlayMode{"QuarterScreen", ID_QUARTER_SCREEN}),
                         [](const auto& info) { return std::string(info.param.name); });

// The screen is copied before the menu opens, as the menu could still show in a copy taken
// after it; a command that starts no overlay lets the copy go.
TEST_F(OverlayPictureTest, AMenuThatStartsNoOverlayKeepsNoCopy) {
    StartWithAWindowOnTheDesktop();
    Choose(ID_FULL_SCREEN);
    EXPECT_FALSE(OverlayShown());
    EXPECT_TRUE(sim::Gdi32().bitmaps.empty());
    Choose(0);
    EXPECT_TRUE(sim::Gdi32().bitmaps.empty()) << "nor a menu closed with nothing chosen";
}

// The frame drawn over the copy survives a repaint: drawn once, not twice.
TEST_F(OverlayPictureTest, ARepaintKeepsTheFrame) {
    StartWithAWindowOnTheDesktop();
    StartSelectingArea(600, 450, 800, 600);
    const std::uint32_t edge = world.RepaintedScreen().Pixel(600, 500);
    EXPECT_EQ(~sim::kDesktopColour & 0xFFFFFF, edge) << "the frame inverts the desktop";
    InvalidateRect(View()->m_hWnd, nullptr, TRUE);
    world.Pump();
    EXPECT_EQ(edge, world.RepaintedScreen().Pixel(600, 500));
    EXPECT_EQ(sim::kDesktopColour, world.RepaintedScreen().Pixel(700, 520)) << "inside it";
}

// A mode that replaces another takes the old one's frame and indicator away.
TEST_F(OverlayPictureTest, AModeThatReplacesAnotherTakesItsFrameAndIndicatorAway) {
    StartWithAWindowOnTheDesktop();
    StartSelectingArea(600, 450, 800, 600);
    Choose(ID_QUARTER_SCREEN);
    EXPECT_EQ(sim::kDesktopColour, world.RepaintedScreen().Pixel(600, 500)) << "no frame";
    EXPECT_FALSE(IsWindowVisible(View()->m_wndIndicator.m_hWnd)) << "no indicator";
}

} // namespace
