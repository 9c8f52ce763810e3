// A second start while Corvane runs leaves the running one alone and ends at once.
#include "tests/shell/app_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::IsEmpty;
using testing_support::AppTest;

TEST_F(AppTest, ASecondStartEndsWithoutTouchingAnything) {
    world.HoldNamedObject(CMrgApp::kRunningName); // the Corvane already running
    world.Plug();
    EXPECT_FALSE(Start());
    EXPECT_FALSE(world.tray.present) << "no second icon";
    EXPECT_TRUE(world.files.empty()) << "the converter is not opened";
    EXPECT_THAT(world.hook.calls, IsEmpty()) << "no shortcut registered twice";
    EXPECT_THAT(world.powerSavingCalls, IsEmpty());
    EXPECT_TRUE(world.registry.ListValues(testing_support::kProfile).empty())
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
