// The Option command around the sheet: what OK commits, what every close programs again, and
// when stripe suppression comes back into force.
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/options/option_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::IsEmpty;
using ::testing::Not;
using testing_support::OptionSheetTest;

constexpr int kExtensionTab = 1;
constexpr BYTE kReadRequest = 0x11;

class OptionCommandTest : public OptionSheetTest {
  protected:
    void EnableSuppression() {
        Doc()->m_bSuppressStripe = TRUE;
        Doc()->m_suppression.SetActive(TRUE);
    }
};

TEST_F(OptionCommandTest, CancelChangesNoFieldYetProgramsTheStoredAreaAgain) {
    StoreTopLeftQuarter();
    StartWithConverter();
    RunSheet({[&](HWND) {
        world.input.DragThumb(Control(IDC_SATURATION), 10);
        Cancel();
    }});
    EXPECT_EQ(32, Doc()->m_nSaturation);
    EXPECT_THAT(Writes(REGIDX_HSCALE), Not(IsEmpty())) << "the area is programmed again";
}

TEST_F(OptionCommandTest, AnEmptyAreaIsNotProgrammed) {
    StartWithConverter();
    RunSheet({[&](HWND) { Cancel(); }});
    EXPECT_THAT(Writes(REGIDX_HSCALE), IsEmpty());
}

TEST_F(OptionCommandTest, SuppressionNewlyEnabledDuringATraceWaitsForTheTraceToEnd) {
    StoreTopLeftQuarter();
    StartWithConverter();
    user.Choose(ID_MOUSE_TRACE_MODE1);
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    const DWORD before = GetTickCount();
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        Click(IDC_SUPPRESS_STRIPE);
        Ok();
    }});
    EXPECT_TRUE(Doc()->m_bSuppressStripe);
    EXPECT_FALSE(Doc()->m_suppression.Active());
    EXPECT_LT(GetTickCount() - before, 1000u) << "no wait for the output";
    user.Choose(ID_MOUSE_TRACE_MODE1); // the checked mode again ends it
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    EXPECT_TRUE(Doc()->m_suppression.Active());
}

TEST_F(OptionCommandTest, SuppressionNewlyEnabledWhileIdleWaitsForTheOutputAndIsInForce) {
    StoreTopLeftQuarter();
    StartWithConverter();
    const DWORD before = GetTickCount();
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        Click(IDC_SUPPRESS_STRIPE);
        Ok();
    }});
    EXPECT_TRUE(Doc()->m_suppression.Active());
    EXPECT_GE(GetTickCount() - before, 1000u) << "the output-ready wait ran";
}

TEST_F(OptionCommandTest, SuppressionSwitchedOffIsOutOfForce) {
    StoreTopLeftQuarter();
    StartWithConverter();
    EnableSuppression();
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        Click(IDC_SUPPRESS_STRIPE);
        Ok();
    }});
    EXPECT_FALSE(Doc()->m_bSuppressStripe);
    EXPECT_FALSE(Doc()->m_suppression.Active());
}

// The wait needs the converter: without one there is nothing to wait for, and a failing
// read is told once and ends the wait.
TEST_F(OptionCommandTest, TheOutputWaitWithoutAConverterIsSkipped) {
    ASSERT_TRUE(Start());
    EnableSuppression();
    sim::User32().messageBoxes.clear();
    sim::Shell32().tray.balloons.clear();
    const DWORD before = GetTickCount();
    RunSheet({[&](HWND) { Ok(); }});
    EXPECT_TRUE(Doc()->m_suppression.Active());
    EXPECT_LT(GetTickCount() - before, 1000u);
}

// Without a converter the sheet is for the shortcut keys: opening and closing it says nothing
// about a device that is not there, with a stored area and suppression enabled.
TEST_F(OptionCommandTest, WithoutAConverterTheSheetSaysNothingOfOne) {
    StoreTopLeftQuarter();
    ASSERT_TRUE(Start());
    EnableSuppression();
    sim::User32().messageBoxes.clear();
    sim::Shell32().tray.balloons.clear();
    RunSheet({[&](HWND) { Ok(); }});
    RunSheet({[&](HWND) { Cancel(); }});
    EXPECT_THAT(Balloons(), IsEmpty());
    EXPECT_THAT(MessageBoxes(), IsEmpty());
}

// Unplugged while the sheet is open: the removal notice is the one report; a slider dragged
// and Cancel, which act on the converter that is gone, say nothing more.
TEST_F(OptionCommandTest, UnpluggedDuringTheSheetTheRemovalIsTheOneReport) {
    StoreTopLeftQuarter();
    StartWithConverter();
    sim::Shell32().tray.balloons.clear();
    RunSheet({[&](HWND) {
        world.Unplug(*converter);
        world.input.DragThumb(Control(IDC_CONTRAST), 40);
        Cancel();
    }});
    EXPECT_EQ(1u, Balloons().size() + MessageBoxes().size());
}

// An edit made while the converter was away, and committed by OK after it came back, reaches
// the converter: it shows what was committed.
TEST_F(OptionCommandTest, AnEditMadeWhileUnpluggedReachesTheConverterOnOk) {
    StartWithConverter();
    RunSheet({[&](HWND) {
        world.Unplug(*converter);
        world.input.DragThumb(Control(IDC_CONTRAST), 40);
        converter = &world.Plug();
        world.Pump();
        Ok();
    }});
    EXPECT_EQ(40, Doc()->m_nContrast);
    const std::vector<WORD> contrast = Writes(REGIDX_CONTRAST);
    ASSERT_FALSE(contrast.empty());
    EXPECT_EQ(40, contrast.back());
}

// Cancel puts back what the converter had when the sheet opened, however often the pages
// were left meanwhile.
TEST_F(OptionCommandTest, CancelUndoesEvenAfterThePagesWereSwitched) {
    StartWithConverter();
    RunSheet({[&](HWND) {
        world.input.DragThumb(Control(IDC_CONTRAST), 40);
        ChooseTab(kExtensionTab);
        Click(IDC_PAL);
        ChooseTab(0);
        ChooseTab(kExtensionTab);
        Cancel();
    }});
    EXPECT_EQ(32, Writes(REGIDX_CONTRAST).back());
    EXPECT_EQ(0, Writes(REGIDX_OUTPUT).back() & OUTPUT_PAL) << "NTSC again";
    EXPECT_EQ(32, Doc()->m_nContrast);
    EXPECT_EQ(0, Doc()->m_nVideoStandard);
}

// OK takes what the sheet edits and nothing else: Full Screen chosen by its shortcut while the
// sheet was open stays chosen, in the model and in the registry.
TEST_F(OptionCommandTest, OkKeepsAnAreaChangedWhileTheSheetWasOpen) {
    StoreTopLeftQuarter();
    StartWithConverter();
    RunSheet({[&](HWND) {
        world.input.DragThumb(Control(IDC_CONTRAST), 40);
        ASSERT_TRUE(world.input.TypeKey('F', SHORTCUT_CTRL | SHORTCUT_ALT));
        Ok();
    }});
    EXPECT_TRUE(IsRectEmpty(&Doc()->m_rcDisplayArea));
    EXPECT_EQ(0u, Stored("Selection", "Right"));
    EXPECT_EQ(40u, Stored("Device", "Contrast"));
}

TEST_F(OptionCommandTest, AFailingOutputWaitIsToldOnceAndEndsTheWait) {
    StartWithConverter();
    EnableSuppression();
    RunSheet({[&](HWND) {
        converter->FailMatching(sim::RequestMatch::Any(kReadRequest), sim::Fault::Error(31));
        Ok();
    }});
    EXPECT_EQ(1u, Balloons().size() + MessageBoxes().size()) << "one report of the failure";
    EXPECT_NE(nullptr, Frame()) << "the program runs on";
}

} // namespace
