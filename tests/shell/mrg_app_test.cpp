// How the application shows messages while it has no main window.
#include "device/DeviceException.h"
#include "platform/sim/control/world.h"
#include "platform/sim/user32/user32_state.h"
#include "shell/MrgApp.h"

#include <gtest/gtest.h>

namespace {

class MrgAppTest : public ::testing::Test {
  protected:
    sim::World world;
    CMrgApp app;
};

TEST_F(MrgAppTest, DeviceErrorsAreErrorsAndNoticesAreInformation) {
    app.ReportDeviceError(DEVICE_ERROR_NO_DEVICE);
    app.ShowMessage("The device is connected, and available now.", FALSE);
    ASSERT_EQ(2u, sim::User32().messageBoxes.size());
    EXPECT_EQ("No devices are connected or working properly.", sim::User32().messageBoxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), sim::User32().messageBoxes[0].type);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), sim::User32().messageBoxes[1].type);
    EXPECT_EQ("Corvane", sim::User32().messageBoxes[1].caption);
}

TEST_F(MrgAppTest, JapaneseUsersReadJapanese) {
    world.SetLanguage(sim::Language::Japanese);
    app.ReportDeviceError(0x20070102);
    ASSERT_EQ(1u, sim::User32().messageBoxes.size());
    EXPECT_EQ("不明なデバイス エラーが発生しました、エラー コード = 537329922 (20070102)。",
              sim::User32().messageBoxes[0].text);
}

} // namespace
