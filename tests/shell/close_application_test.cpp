// An installer or an update closing the program: it saves as it does at Exit and ends, also
// when the request comes in the middle of its start-up.
#include "platform/sim/hook/hook_state.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/shell/app_harness.h"

namespace {

using testing_support::AppTest;

class ClosedByAnInstaller : public AppTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosedByAnInstaller, ItSavesAndEnds) {
    const bool duringStartUp = GetParam();
    world.Plug();
    if (duringStartUp) {
        world.WhileCorvaneNextWaitsForTheShell([this] { world.CloseApplications(); });
    }
    ASSERT_TRUE(Start());
    Doc()->m_nContrast = 40;
    if (!duringStartUp) {
        world.CloseApplications();
    }
    EXPECT_EQ(0, app.Run()) << "the message loop ends, ending the process";
    EXPECT_FALSE(sim::Shell32().tray.present) << "its tray icon is gone";
    EXPECT_EQ(nullptr, app.m_pMainWnd) << "its frame is destroyed";
    EXPECT_TRUE(sim::Kernel32().files.empty()) << "the converter is closed";
    EXPECT_TRUE(sim::User32().messageBoxes.empty()) << "without a word";
    EXPECT_EQ(40u, Stored("Device", "Contrast"));
    EXPECT_EQ(65546u, Stored("General", "Version"));
    EXPECT_TRUE(sim::Hook().entries.empty());
    EXPECT_TRUE(sim::User32().powerSaving.screenSaver);
}

INSTANTIATE_TEST_SUITE_P(WhenRunning, ClosedByAnInstaller, ::testing::Values(false));
INSTANTIATE_TEST_SUITE_P(DuringStartUp, ClosedByAnInstaller, ::testing::Values(true));

} // namespace
