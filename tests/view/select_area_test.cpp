// Select Area on the overlay: two clicks, the frame on the screen, the indicator, the keys,
// and every way it ends.
#include "platform/sim/converter/chip/converter_chip.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/view/view_harness.h"

#include <iterator>

namespace {

using testing_support::SameRect;
using testing_support::ViewTest;

class SelectAreaTest : public ViewTest {};

TEST_F(SelectAreaTest, TwoClicksAt4To3CommitTheShapedRectangle) {
    StartWithConverter();
    Choose(ID_SELECT_AREA);
    EXPECT_TRUE(OverlayShown());
    world.input.ClickAt(100, 100);
    world.input.MoveMouse(500, 200);
    EXPECT_TRUE(SameRect(Selection(), RECT{100, 100, 500, 400}));
    EXPECT_EQ("(100, 100) - (500, 400) 400 x 300", Indicator());
    EXPECT_TRUE(Doc()->m_bPreview) << "previewed on the TV";
    world.input.Click();
    EXPECT_TRUE(SameRect(Stored(), RECT{100, 100, 500, 400}));
    EXPECT_FALSE(OverlayShown());
    EXPECT_FALSE(IsWindowVisible(View()->m_wndIndicator.m_hWnd));
}

TEST_F(SelectAreaTest, ADoubleClickOnTheFirstCornerSetsItOnce) {
    StartWithConverter();
    Choose(ID_SELECT_AREA);
    world.input.ClickAt(100, 100);
    world.input.Click();
    EXPECT_TRUE(OverlayShown()) << "the second press confirmed nothing";
    world.input.MoveMouse(500, 200);
    EXPECT_TRUE(SameRect(Selection(), RECT{100, 100, 500, 400})) << "from the anchor";
    world.Advance(600);
    world.input.Click();
    EXPECT_TRUE(SameRect(Stored(), RECT{100, 100, 500, 400}));
}

// A failing preview is reported in a message box over the overlay; the box takes activation
// while it is up, and the selection goes on when it is closed.
TEST_F(SelectAreaTest, AReportDuringTheSelectionDoesNotEndIt) {
    StartWithConverter();
    Choose(ID_SELECT_AREA);
    world.input.ClickAt(100, 100);
    converter->FailNthTransfer(1, sim::Fault::Error(ERROR_GEN_FAILURE));
    world.input.MoveMouse(300, 200);
    ASSERT_EQ(1u, sim::User32().messageBoxes.size()) << "the failure was reported";
    EXPECT_TRUE(OverlayShown()) << "and the selection goes on";
    EXPECT_EQ(Frame()->m_hWnd, GetActiveWindow());
    world.input.MoveMouse(500, 200);
    world.input.Click();
    EXPECT_TRUE(SameRect(Stored(), RECT{100, 100, 500, 400}));
}

// Whatever a mode that ends without applying previewed, the stored area comes back on the TV:
// an arrow before the first corner, a replaced mode, two clicks at one point.
enum class Unkept { ArrowBeforeTheFirstCorner, ReplacedBySelectWindow, TwoClicksAtOnePoint };

std::string UnkeptName(Unkept ending) {
    switch (ending) {
    case Unkept::ArrowBeforeTheFirstCorner:
        return "ArrowBeforeTheFirstCorner";
    case Unkept::ReplacedBySelectWindow:
        return "ReplacedBySelectWindow";
    case Unkept::TwoClicksAtOnePoint:
        break;
    }
    return "TwoClicksAtOnePoint";
}

class UnkeptPreviewTest : public SelectAreaTest, public ::testing::WithParamInterface<Unkept> {};

TEST_P(UnkeptPreviewTest, TheStoredAreaComesBackOnTheTv) {
    StoreTopLeftQuarter();
    StartWithConverter();
    const std::vector<std::uint16_t> stored(std::begin(converter->Chip().regs),
                                            std::end(converter->Chip().regs));
    Choose(ID_SELECT_AREA);
    switch (GetParam()) {
    case Unkept::ArrowBeforeTheFirstCorner:
        world.input.TypeKey(VK_RIGHT);
        break;
    case Unkept::ReplacedBySelectWindow:
        world.input.ClickAt(100, 100);
        world.input.MoveMouse(300, 200);
        Choose(ID_SELECT_WINDOW);
        break;
    case Unkept::TwoClicksAtOnePoint:
        world.input.ClickAt(200, 200);
        world.input.MoveMouse(300, 300);
        world.input.MoveMouse(200, 200);
        world.Advance(600);
        world.input.Click();
        break;
    }
    if (OverlayShown()) {
        world.input.TypeKey(VK_ESCAPE);
    }
    EXPECT_FALSE(OverlayShown());
    EXPECT_TRUE(SameRect(Stored(), RECT{0, 0, 511, 383}));
    EXPECT_EQ(stored, std::vector<std::uint16_t>(std::begin(converter->Chip().regs),
                                                 std::end(converter->Chip().regs)))
        << "the converter shows the stored area again";
}

INSTANTIATE_TEST_SUITE_P(Endings, UnkeptPreviewTest,
                         ::testing::Values(Unkept::ArrowBeforeTheFirstCorner,
                                           Unkept::ReplacedBySelectWindow,
                                           Unkept::TwoClicksAtOnePoint),
                         [](const auto& info) { return UnkeptName(info.param); });

// The converter unplugged during a mode ends it with one report, the removal notice.
TEST_F(SelectAreaTest, UnpluggedDuringTheSelectionTheRemovalIsTheOneReport) {
    StoreTopLeftQuarter();
    Store("Device", "SuppressVerticalStripePattern", 1);
    StartWithConverter();
    StartSelectingArea(100, 100, 300, 200);
    sim::Shell32().tray.balloons.clear();
    world.Unplug(*converter);
    EXPECT_FALSE(OverlayShown());
    EXPECT_EQ(1u, Balloons().size() + MessageBoxes().size());
}

TEST_F(SelectAreaTest, EscCancelsAndTheStoredAreaComesBack) {
    StoreTopLeftQuarter();
    StartWithConverter();
    StartSelectingArea(100, 100, 300, 200);
    world.input.TypeKey(VK_ESCAPE);
    EXPECT_FALSE(OverlayShown());
    EXPECT_TRUE(SameRect(Stored(), RECT{0, 0, 511, 383}));
    EXPECT_FALSE(Doc()->m_bPreview) << "the stored area is programmed again";
}

TEST_F(SelectAreaTest, SwitchingAwayCancelsLikeEsc) {
    StartWithConverter();
    const HWND editor = sim::Windows().AddForeignWindow("Editor", RECT{0, 0, 400, 300});
    StartSelectingArea(100, 100, 300, 200);
    SetForegroundWindow(editor);
    EXPECT_FALSE(OverlayShown());
    EXPECT_TRUE(IsRectEmpty(&Doc()->m_rcDisplayArea)) << "nothing applied";
    EXPECT_EQ(0, View()->m_nMode);
}

TEST_F(SelectAreaTest, TheFrameDrawnAndRemovedLeavesTheScreenAsItWas) {
    StartWithConverter();
    const std::vector<std::uint32_t> before = world.RepaintedScreen().Picture().pixels;
    StartSelectingArea(100, 100, 500, 200);
    EXPECT_NE(before, world.RepaintedScreen().Picture().pixels) << "the frame is on the screen";
    // The frame covers the edge columns and rows, right and bottom included, three deep.
    for (const auto& [x, y] : {std::pair{100, 250}, {500, 250}, {300, 400}, {102, 250}}) {
        EXPECT_NE(before[static_cast<std::size_t>(y) * 1024 + static_cast<std::size_t>(x)],
                  world.RepaintedScreen().Pixel(x, y))
            << x << ", " << y;
    }
    EXPECT_EQ(before[250 * 1024 + 103], world.RepaintedScreen().Pixel(103, 250))
        << "three pixels wide";
    world.input.MoveMouse(400, 100);
    world.input.TypeKey(VK_ESCAPE);
    EXPECT_EQ(before, world.RepaintedScreen().Picture().pixels);
}

TEST_F(SelectAreaTest, ThinSelectionsArePreviewedWithoutAFrame) {
    StartWithConverter();
    Doc()->m_nAspectRatio = 2;
    const std::vector<std::uint32_t> before = world.RepaintedScreen().Picture().pixels;
    StartSelectingArea(100, 100, 102, 300);
    EXPECT_TRUE(SameRect(Selection(), RECT{100, 100, 102, 300}));
    // Two pixels wide: no frame on its edges (the indicator shows in the middle of the screen).
    for (const auto& [x, y] : {std::pair{100, 200}, {102, 200}, {101, 100}, {101, 300}}) {
        EXPECT_EQ(before[static_cast<std::size_t>(y) * 1024 + static_cast<std::size_t>(x)],
                  world.RepaintedScreen().Pixel(x, y))
            << x << ", " << y;
    }
    EXPECT_TRUE(Doc()->m_bPreview);
    world.input.Click();
    EXPECT_TRUE(SameRect(Stored(), RECT{100, 100, 102, 300}));
}

TEST_F(SelectAreaTest, ArrowsResizeAndShiftArrowsMoveWithTheAnchorAndPointer) {
    StartWithConverter();
    Doc()->m_nAspectRatio = 2;
    StartSelectingArea(100, 100, 500, 400);
    world.input.TypeKey(VK_RIGHT);
    EXPECT_EQ(501, sim::User32().cursor.x) << "the pointer on the right edge follows it";
    EXPECT_TRUE(SameRect(Selection(), RECT{100, 100, 501, 400})) << "shown by the mouse move";
    world.input.TypeKey(VK_DOWN, SHORTCUT_SHIFT);
    EXPECT_EQ(101, View()->m_ptAnchor.y);
    EXPECT_TRUE(SameRect(Selection(), RECT{100, 101, 501, 401}));
    sim::User32().cursorFails = true;
    world.input.TypeKey(VK_LEFT);
    EXPECT_TRUE(SameRect(Selection(), RECT{100, 101, 500, 401}))
        << "when the pointer cannot move, the key shows the change itself";
}

TEST_F(SelectAreaTest, NotAvailableWithoutAConverter) {
    ASSERT_TRUE(Start());
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    const std::vector<std::string> menu = LastMenu();
    EXPECT_NE(std::find(menu.begin(), menu.end(), "32771 \"&Select Area...\" disabled"),
              menu.end());
}

} // namespace
