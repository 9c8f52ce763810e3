// Explorer restarting with an empty notification area: the icon comes back, showing the
// device's state at that moment, and still answers clicks.
#include "platform/sim/shell32/shell32_state.h"
#include "tests/shell/app_harness.h"

namespace {

using testing_support::AppTest;

TEST_F(AppTest, TheTrayIconComesBackWhenExplorerRestarts) {
    ASSERT_TRUE(Start());
    world.RestartShell();
    ASSERT_TRUE(sim::Shell32().tray.present);
    EXPECT_EQ(IDI_TRAY_NODEVICE, sim::Shell32().tray.iconResource) << "no converter yet";
    EXPECT_EQ("Corvane", sim::Shell32().tray.tip);
    world.Plug();
    world.RestartShell();
    EXPECT_EQ(IDI_TRAY_READY, sim::Shell32().tray.iconResource);
    user.Choose(ID_APP_EXIT);
    world.input.ClickTrayIcon(sim::MouseButton::Right);
    EXPECT_EQ(0, app.Run()) << "and the menu still works";
}

} // namespace
