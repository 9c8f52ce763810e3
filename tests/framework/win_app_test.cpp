// The application's registry profile, its title, and its message boxes.
#include "framework/WinApp.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/control/world.h"
#include "platform/sim/user32/user32_state.h"

#include <gtest/gtest.h>

namespace {

class WinAppTest : public ::testing::Test {
  protected:
    sim::World world;
    CWinApp app;
};

TEST_F(WinAppTest, TitleComesFromTheStringTable) {
    EXPECT_EQ("Corvane", app.GetAppTitle());
    EXPECT_EQ(&app, AfxGetApp());
}

TEST_F(WinAppTest, ProfileLivesUnderSoftwareKeyTitleSection) {
    app.SetRegistryKey("Velmora");
    EXPECT_TRUE(app.WriteProfileInt("General", "Version", 65546));
    DWORD value = 0;
    EXPECT_TRUE(sim::Advapi32().registry.ReadDword("Software\\Velmora\\Corvane\\General", "Version",
                                                   &value));
    EXPECT_EQ(65546u, value);
    EXPECT_EQ(65546u, app.GetProfileInt("General", "Version", 0));
    EXPECT_EQ(static_cast<UINT>(-1), app.GetProfileInt("General", "Missing", -1));
    EXPECT_EQ(7u, app.GetProfileInt("NoSection", "Version", 7));
}

TEST_F(WinAppTest, ReadingCreatesNothing) {
    app.SetRegistryKey("Velmora");
    app.GetProfileInt("General", "Version", 0);
    EXPECT_EQ(nullptr, sim::Advapi32().registry.Find("Software\\Velmora"));
}

TEST_F(WinAppTest, ValueThatIsNotADwordGivesTheDefault) {
    app.SetRegistryKey("Velmora");
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Velmora\\Corvane\\Device", 0, nullptr,
                              0, KEY_WRITE, nullptr, &key, nullptr));
    const BYTE text[] = "32";
    RegSetValueExA(key, "Contrast", 0, REG_SZ, text, sizeof text);
    const BYTE shortValue[2] = {1, 0};
    RegSetValueExA(key, "Sharpness", 0, REG_DWORD, shortValue, sizeof shortValue);
    RegCloseKey(key);
    EXPECT_EQ(32u, app.GetProfileInt("Device", "Contrast", 32));
    EXPECT_EQ(5u, app.GetProfileInt("Device", "Sharpness", 5));
}

TEST_F(WinAppTest, MessageBoxCarriesTheTitleAndIcon) {
    AfxMessageBox("Hello", MB_ICONINFORMATION);
    ASSERT_EQ(1u, sim::User32().messageBoxes.size());
    EXPECT_EQ("Hello", sim::User32().messageBoxes[0].text);
    EXPECT_EQ("Corvane", sim::User32().messageBoxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), sim::User32().messageBoxes[0].type);
}

} // namespace
