// The trace modes, and what ends or suspends any mode.
#include "model/ShadowRegisters.h"
#include "platform/sim/control/other_programs.h"
#include "platform/sim/converter/chip/converter_chip.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/support/wire.h"
#include "tests/view/view_harness.h"

#include <cstdio>
#include <string>

namespace {

using testing_support::SameRect;
using testing_support::ViewTest;

class TraceTest : public ViewTest {
  protected:
    void StartWithStoredArea() {
        Store("Selection", "HorizontalResolution", 1024);
        Store("Selection", "VerticalResolution", 768);
        Store("Selection", "Left", 100);
        Store("Selection", "Top", 100);
        Store("Selection", "Right", 500);
        Store("Selection", "Bottom", 400);
        StartWithConverter();
    }
    // The pointer moves, and the next poll sees it.
    void PointTo(int x, int y) {
        world.input.MoveMouse(x, y);
        world.RunFor(20);
    }
};

TEST_F(TraceTest, ModeOneCentresTheAreaOnThePointerWithinTheScreen) {
    StartWithStoredArea();
    Choose(ID_MOUSE_TRACE_MODE1);
    EXPECT_EQ(300, sim::User32().cursor.x);
    EXPECT_EQ(250, sim::User32().cursor.y);
    EXPECT_FALSE(OverlayShown());
    world.RunFor(100);
    EXPECT_FALSE(Doc()->m_bPreview) << "nothing moves until the pointer does";
    PointTo(10, 10);
    EXPECT_TRUE(SameRect(Selection(), RECT{0, 0, 400, 300}));
    EXPECT_TRUE(Doc()->m_bPreview);
    Choose(ID_MOUSE_TRACE_MODE1); // the checked mode again
    EXPECT_TRUE(SameRect(Stored(), RECT{0, 0, 400, 300}));
    EXPECT_EQ(0, View()->m_nMode);
}

TEST_F(TraceTest, ModeTwoMovesOnlyWhenThePointerLeavesTheArea) {
    StartWithStoredArea();
    Choose(ID_MOUSE_TRACE_MODE2);
    PointTo(450, 350);
    EXPECT_FALSE(Doc()->m_bPreview) << "inside the area";
    PointTo(500, 250); // the column x = right is outside
    EXPECT_TRUE(SameRect(Selection(), RECT{300, 100, 700, 400}));
}

TEST_F(TraceTest, ModeThreePushesByTheOvershootOfTheInnerZone) {
    StartWithStoredArea();
    Choose(ID_MOUSE_TRACE_MODE3);
    PointTo(450, 300);
    EXPECT_FALSE(Doc()->m_bPreview) << "inside the inner zone";
    PointTo(470, 200);
    EXPECT_TRUE(SameRect(Selection(), RECT{112, 100, 512, 400}));
}

TEST_F(TraceTest, AnOverlayModeSuspendsTheTraceAndItsEndResumesIt) {
    StartWithStoredArea();
    Choose(ID_MOUSE_TRACE_MODE1);
    PointTo(10, 10);
    Choose(ID_QUARTER_SCREEN);
    EXPECT_EQ(ID_MOUSE_TRACE_MODE1, View()->m_nTraceMode);
    world.input.TypeKey(VK_RETURN);
    EXPECT_EQ(ID_MOUSE_TRACE_MODE1, View()->m_nMode) << "resumed";
    EXPECT_TRUE(SameRect(Selection(), RECT{0, 0, 511, 383})) << "from the newly stored area";
    EXPECT_EQ(255, sim::User32().cursor.x);
    EXPECT_EQ(191, sim::User32().cursor.y);
}

TEST_F(TraceTest, FullScreenLeavesTheTraceCheckedButDisabledAndIdle) {
    StartWithStoredArea();
    Choose(ID_MOUSE_TRACE_MODE2);
    Choose(ID_FULL_SCREEN);
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    const std::vector<std::string> menu = LastMenu();
    EXPECT_NE(
        std::find(menu.begin(), menu.end(), "  32778 \"Mouse Trace Mode &2\" disabled checked"),
        menu.end());
    Doc()->m_bPreview = FALSE;
    PointTo(900, 700);
    EXPECT_FALSE(Doc()->m_bPreview) << "idle";
}

// A trace chosen while an overlay mode runs ends that mode first, as Esc would, and starts
// from the stored area with the overlay gone.
TEST_F(TraceTest, ATraceChosenDuringAnOverlayModeEndsItFirst) {
    StartWithStoredArea();
    StartSelectingArea(600, 450, 800, 600);
    Choose(ID_MOUSE_TRACE_MODE1);
    EXPECT_FALSE(OverlayShown());
    EXPECT_EQ(ID_MOUSE_TRACE_MODE1, View()->m_nMode);
    EXPECT_TRUE(SameRect(Selection(), RECT{100, 100, 500, 400})) << "the stored area";
    EXPECT_EQ(300, sim::User32().cursor.x);
    EXPECT_EQ(250, sim::User32().cursor.y);
}

// Closing the Option sheet during a trace programs the trace's area, not the stored one for a
// moment before it.
TEST_F(TraceTest, TheSheetClosedDuringATraceProgramsTheTracesArea) {
    StartWithStoredArea();
    Choose(ID_MOUSE_TRACE_MODE1);
    PointTo(700, 500);
    const BYTE hstart = Doc()->m_regs[REGIDX_AREA_HSTART].m_byAddress;
    const std::uint16_t traced = converter->Chip().regs[hstart];
    converter->ClearTraffic();
    user.OnDialog(
        [](HWND sheet) { sim::World::Current().input.ClickWindow(GetDlgItem(sheet, IDCANCEL)); });
    user.Choose(ID_OPTION);
    world.input.ClickTrayIcon(sim::MouseButton::Right);
    for (const std::string& line : testing_support::Wire(*converter)) {
        unsigned reg = 0, low = 0, high = 0;
        if (std::sscanf(line.c_str(), "40 10 94 00 00 00 | %2x %2x %2x", &reg, &low, &high) == 3 &&
            reg == hstart) {
            EXPECT_EQ(traced, low | (high << 8)) << "only the trace's area is programmed";
        }
    }
    EXPECT_EQ(traced, converter->Chip().regs[hstart]);
}

// With no stored area a resumed trace stays idle, and the pointer stays where it is.
TEST_F(TraceTest, ATraceResumedOnTheWholeDesktopLeavesThePointerAlone) {
    StartWithStoredArea();
    Choose(ID_MOUSE_TRACE_MODE1);
    Choose(ID_FULL_SCREEN);
    Choose(ID_SELECT_AREA);
    world.input.MoveMouse(600, 400);
    world.input.TypeKey(VK_ESCAPE);
    EXPECT_EQ(ID_MOUSE_TRACE_MODE1, View()->m_nMode) << "resumed";
    EXPECT_EQ(600, sim::User32().cursor.x);
    EXPECT_EQ(400, sim::User32().cursor.y);
}

TEST_F(TraceTest, StripeSuppressionIsOutOfForceUntilAModeEndsWithoutATrace) {
    Store("Device", "SuppressVerticalStripePattern", 1);
    StartWithStoredArea();
    // In force on the converter: its suppression bit on, and the control register not
    // holding it off.
    const auto inForce = [this] {
        return (converter->Register(REG_SUPPRESSION, world.Now()) & SUPPRESSION_ON) != 0 &&
               (converter->Register(CHIP_REG_CONTROL, world.Now()) & CONTROL_SUPPRESSION_OFF) == 0;
    };
    EXPECT_TRUE(inForce());
    Choose(ID_MOUSE_TRACE_MODE1);
    EXPECT_FALSE(inForce());
    PointTo(10, 10);
    EXPECT_FALSE(inForce()) << "previews keep it out of force";
    Choose(ID_SELECT_AREA);
    world.input.TypeKey(VK_ESCAPE); // resumes the trace
    EXPECT_FALSE(inForce());
    Choose(ID_MOUSE_TRACE_MODE1); // ends it
    EXPECT_TRUE(inForce());
    Choose(ID_QUARTER_SCREEN);
    EXPECT_FALSE(inForce());
    world.input.TypeKey(VK_RETURN);
    EXPECT_TRUE(inForce()) << "an end that resumes no trace puts it back";
}

TEST_F(TraceTest, TheConverterGoingAwayEndsAnyModeAndForgetsTheTrace) {
    StartWithStoredArea();
    Choose(ID_MOUSE_TRACE_MODE1);
    Choose(ID_SELECT_AREA);
    world.input.ClickAt(200, 200);
    world.Unplug(*converter);
    EXPECT_EQ(0, View()->m_nMode);
    EXPECT_EQ(0, View()->m_nTraceMode);
    EXPECT_FALSE(OverlayShown());
    EXPECT_TRUE(SameRect(Stored(), RECT{100, 100, 500, 400})) << "nothing applied";
}

TEST_F(TraceTest, ATrayClickAfterASessionEndShowsTheAreaItemsGrayed) {
    StartWithStoredArea();
    world.EndSession(false);
    ASSERT_EQ(nullptr, Doc()) << "the document is closed";
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    const std::vector<std::string> menu = LastMenu();
    EXPECT_NE(std::find(menu.begin(), menu.end(), "32771 \"&Select Area...\" disabled"),
              menu.end());
    EXPECT_NE(std::find(menu.begin(), menu.end(), "popup \"&Change Display Area...\" grayed"),
              menu.end())
        << "the trace modes' popup too";
}

} // namespace

namespace {

// A caret or control on the screen lies in the area's inner zone, 10.5 % in from each edge.
bool InTheInnerZone(const RECT& shown, const RECT& area) {
    const LONG mx = (area.right - area.left) * 105 / 1000;
    const LONG my = (area.bottom - area.top) * 105 / 1000;
    return shown.left >= area.left + mx && shown.right <= area.right - mx &&
           shown.top >= area.top + my && shown.bottom <= area.bottom - my;
}

RECT OnScreen(HWND window, RECT client) {
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    MapWindowPoints(window, nullptr, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

} // namespace

// Another program's text caret is kept inside the area as it moves; where that program shows
// no caret, its focused control is; the pointer is left alone, and the mode's command again
// stores the area.
TEST_F(TraceTest, FollowFocusKeepsTheCaretAndOtherwiseTheFocusedControlInView) {
    StartWithStoredArea();
    sim::WindowManager::ForeignWindow editor;
    editor.title = "Editor";
    editor.rect = RECT{0, 0, 1000, 700};
    const HWND page = sim::Windows().AddForeignWindow(editor);
    sim::WindowManager::ForeignWindow button;
    button.rect = RECT{850, 600, 950, 640};
    button.parent = page;
    const HWND control = sim::Windows().AddForeignWindow(button);
    const POINT pointer = sim::User32().cursor;
    Choose(ID_FOLLOW_FOCUS);
    sim::FocusOtherProgramsWindow(page); // the user goes back to the editor
    sim::PlaceOtherProgramsCaret(page, RECT{200, 150, 202, 166});
    world.RunFor(100);
    EXPECT_FALSE(Doc()->m_bPreview) << "the caret is already in view";
    for (const LONG x : {400L, 700L, 40L}) {
        sim::PlaceOtherProgramsCaret(page, RECT{x, 150, x + 2, 166});
        world.RunFor(20);
        EXPECT_TRUE(InTheInnerZone(OnScreen(page, RECT{x, 150, x + 2, 166}), Selection()))
            << "the caret typed to x " << x;
    }
    sim::RemoveOtherProgramsCaret(page);
    sim::FocusOtherProgramsWindow(control);
    world.RunFor(20);
    RECT controlRect{};
    GetWindowRect(control, &controlRect);
    EXPECT_TRUE(InTheInnerZone(controlRect, Selection())) << "the focused control, without a caret";
    EXPECT_EQ(pointer.x, sim::User32().cursor.x);
    EXPECT_EQ(pointer.y, sim::User32().cursor.y);
    const RECT last = Selection();
    Choose(ID_FOLLOW_FOCUS);
    EXPECT_TRUE(SameRect(Stored(), last));
    EXPECT_EQ(0, View()->m_nMode);
}
