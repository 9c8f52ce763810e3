// A second start while Corvane runs leaves the running one alone and ends at once.
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/hook/hook_state.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/shell/app_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::IsEmpty;
using testing_support::AppTest;

TEST_F(AppTest, ASecondStartEndsWithoutTouchingAnything) {
    world.HoldNamedObject(CMrgApp::kRunningName); // the Corvane already running
    world.Plug();
    EXPECT_FALSE(Start());
    EXPECT_FALSE(sim::Shell32().tray.present) << "no second icon";
    EXPECT_TRUE(sim::Kernel32().files.empty()) << "the converter is not opened";
    EXPECT_THAT(sim::Hook().calls, IsEmpty()) << "no shortcut registered twice";
    EXPECT_THAT(sim::User32().powerSavingCalls, IsEmpty());
    EXPECT_TRUE(sim::Advapi32().registry.ListValues(testing_support::kProfile).empty())
        << "nothing written over the running one's settings";
}

TEST_F(AppTest, TheNextStartRunsOnceTheFirstHasEnded) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(0, Exit());
    CMrgApp next;
    EXPECT_TRUE(AfxWinInit(next)) << "the first gave the session back at its exit";
    next.m_pMainWnd->DestroyWindow();
}

} // namespace
