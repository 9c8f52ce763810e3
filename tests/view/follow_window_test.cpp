// Follow Window: the window picked in Select Window's overlay is followed as its program moves
// and resizes it, and the mode ends, keeping the last area, when the window goes.
#include "platform/sim/control/other_programs.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/support/wire.h"
#include "tests/view/view_harness.h"

namespace {

using testing_support::AppTest;
using testing_support::SameRect;
using testing_support::ViewTest;
using testing_support::Wire;

class FollowWindowTest : public ViewTest {
  protected:
    // A browser whose client area lies inside its frame and caption, on a screen whose
    // top-left quarter is stored; Follow Window chosen, and the browser picked.
    void FollowTheBrowser() {
        sim::WindowManager::ForeignWindow window;
        window.title = "Browser";
        window.rect = RECT{480, 120, 1000, 600};
        window.client = RECT{484, 143, 996, 596};
        browser = sim::Windows().AddForeignWindow(window);
        StoreTopLeftQuarter();
        StartWithConverter();
        Choose(ID_FOLLOW_WINDOW);
        world.input.MoveMouse(700, 400);
        world.input.Click();
    }
    // What the converter is sent by the polls of the next moment.
    std::vector<std::string> NextPolls() {
        converter->ClearTraffic();
        world.RunFor(40);
        return Wire(*converter);
    }
    HWND browser = nullptr;
};

TEST_F(FollowWindowTest, TheAreaFollowsTheWindowAsSelectWindowWouldPickItWhereItIsNow) {
    FollowTheBrowser();
    EXPECT_FALSE(OverlayShown());
    EXPECT_EQ(ID_FOLLOW_WINDOW, View()->m_nMode);
    EXPECT_TRUE(NextPolls().empty()) << "nothing moves while the window stays";

    for (const RECT placed : {RECT{300, 200, 820, 680}, RECT{300, 200, 700, 500},
                              RECT{700, 500, 1300, 900}}) { // moved, resized, half off the screen
        sim::PlaceOtherProgramsWindow(browser, placed);
        const std::vector<std::string> followed = NextPolls();
        const RECT area = Selection();
        // Select Window over the window where it is now programs the converter the same.
        Choose(ID_SELECT_WINDOW);
        converter->ClearTraffic();
        world.input.MoveMouse(placed.left + 50, placed.top + 50);
        EXPECT_EQ(Wire(*converter), followed) << "placed at " << placed.left << ", " << placed.top;
        EXPECT_TRUE(SameRect(Selection(), area));
        world.input.TypeKey(VK_ESCAPE); // Follow Window goes on
        world.RunFor(40);
        EXPECT_TRUE(SameRect(Selection(), area)) << "the window again";
    }
    EXPECT_LE(Selection().right, 1024) << "clipped to the screen";

    sim::PlaceOtherProgramsWindow(browser, RECT{1100, 200, 1600, 680});
    EXPECT_TRUE(NextPolls().empty()) << "a window off the screen leaves the area where it was";
    EXPECT_EQ(ID_FOLLOW_WINDOW, View()->m_nMode);
}

enum class Ending { TheWindowClosed, TheWindowHidden, TheModeChosenAgain };

void PrintTo(Ending ending, std::ostream* out) {
    *out << (ending == Ending::TheWindowClosed   ? "TheWindowClosed"
             : ending == Ending::TheWindowHidden ? "TheWindowHidden"
                                                 : "TheModeChosenAgain");
}

class FollowWindowEndTest : public FollowWindowTest,
                            public ::testing::WithParamInterface<Ending> {};

// However the mode ends, the area the window last had is stored, and nothing follows after.
TEST_P(FollowWindowEndTest, TheLastAreaIsStoredAndNothingFollowsAfter) {
    FollowTheBrowser();
    sim::PlaceOtherProgramsWindow(browser, RECT{300, 200, 820, 680});
    world.RunFor(20);
    const RECT last = Selection();
    switch (GetParam()) {
    case Ending::TheWindowClosed:
        sim::CloseOtherProgramsWindow(browser);
        break;
    case Ending::TheWindowHidden:
        sim::ShowOtherProgramsWindow(browser, false);
        break;
    case Ending::TheModeChosenAgain:
        Choose(ID_FOLLOW_WINDOW);
        break;
    }
    world.RunFor(20);
    EXPECT_EQ(0, View()->m_nMode);
    EXPECT_EQ(0, View()->m_nTraceMode);
    EXPECT_EQ(static_cast<DWORD>(last.left), AppTest::Stored("Selection", "Left"));
    EXPECT_EQ(static_cast<DWORD>(last.bottom), AppTest::Stored("Selection", "Bottom"));
    sim::ShowOtherProgramsWindow(browser, true);
    sim::PlaceOtherProgramsWindow(browser, RECT{100, 100, 620, 580});
    EXPECT_TRUE(NextPolls().empty());
}

INSTANTIATE_TEST_SUITE_P(Endings, FollowWindowEndTest,
                         ::testing::Values(Ending::TheWindowClosed, Ending::TheWindowHidden,
                                           Ending::TheModeChosenAgain));

// Esc in the overlay, or a click where there is no window, starts nothing: the stored area is
// back on the TV and stays there.
TEST_F(FollowWindowTest, EscOrAClickOnNoWindowStartsNothing) {
    FollowTheBrowser();
    Choose(ID_FOLLOW_WINDOW); // ends it, storing the browser's area
    const DWORD stored = AppTest::Stored("Selection", "Left");
    for (const bool esc : {true, false}) {
        Choose(ID_FOLLOW_WINDOW);
        world.input.MoveMouse(50, 700); // no window there
        if (esc) {
            world.input.TypeKey(VK_ESCAPE);
        } else {
            world.input.Click();
        }
        EXPECT_FALSE(OverlayShown());
        EXPECT_EQ(0, View()->m_nMode);
        sim::PlaceOtherProgramsWindow(browser, RECT{100, 100, 620, 580});
        EXPECT_TRUE(NextPolls().empty());
        EXPECT_EQ(stored, AppTest::Stored("Selection", "Left"));
    }
}

} // namespace
