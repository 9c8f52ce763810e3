// The two global shortcuts, power saving while running, exit and the end of a session.
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/hook/hook_state.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/shell/app_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::AppTest;
using testing_support::RegisterWrite;
using testing_support::Wire;

TEST_F(AppTest, CtrlAltFSwitchesToFullScreen) {
    StoreTopLeftQuarter();
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    EXPECT_TRUE(world.input.TypeKey('F', SHORTCUT_CTRL | SHORTCUT_ALT));
    EXPECT_THAT(Wire(converter), ElementsAre(RegisterWrite(0x6C, 0), RegisterWrite(0x6E, 0),
                                             RegisterWrite(0x68, 0), RegisterWrite(0x6A, 0)));
    EXPECT_TRUE(IsRectEmpty(&Doc()->m_rcDisplayArea));
}

TEST_F(AppTest, CtrlAltFWithoutAConverterDoesNothing) {
    StoreTopLeftQuarter();
    ASSERT_TRUE(Start());
    sim::Shell32().tray.balloons.clear();
    EXPECT_TRUE(world.input.TypeKey('F', SHORTCUT_CTRL | SHORTCUT_ALT));
    EXPECT_THAT(Balloons(), IsEmpty()) << "dropped by its update handler, so nothing reports";
    EXPECT_FALSE(IsRectEmpty(&Doc()->m_rcDisplayArea)) << "the stored area stays";
}

TEST_F(AppTest, CtrlAltLOpensTheLeftButtonMenu) {
    world.Plug();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(world.input.TypeKey('L', SHORTCUT_CTRL | SHORTCUT_ALT));
    EXPECT_EQ(1, sim::User32().popupMenusShown);
    EXPECT_EQ("popup \"&Change Display Area...\" enabled", LastMenu().at(0));
    EXPECT_FALSE(world.input.TypeKey('L', SHORTCUT_CTRL)) << "only with exactly its modifiers";
}

TEST_F(AppTest, AHeldShortcutDeliversOnceAndItsRepeatsReachNoWindow) {
    world.Plug();
    ASSERT_TRUE(Start());
    world.input.PressKey(VK_CONTROL);
    world.input.PressKey(VK_MENU);
    EXPECT_TRUE(world.input.PressKey('L', 5)) << "every repeat is the hook's";
    world.input.ReleaseKey('L');
    EXPECT_EQ(1, sim::User32().popupMenusShown);
    EXPECT_TRUE(world.input.PressKey('L'));
    EXPECT_EQ(2, sim::User32().popupMenusShown) << "pressed again, it delivers again";
    world.input.ReleaseKey('L');
    world.input.ReleaseKey(VK_MENU);
    world.input.ReleaseKey(VK_CONTROL);
}

TEST_F(AppTest, LeftMenuFromAnotherProgramsForegroundSharesItsInputBriefly) {
    ASSERT_TRUE(Start());
    const HWND other = sim::Windows().AddForeignWindow("Editor", RECT{0, 0, 400, 300});
    SetForegroundWindow(other);
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    EXPECT_EQ(Frame()->m_hWnd, GetForegroundWindow());
    EXPECT_EQ(2, sim::User32().threadInputAttachCalls);
    EXPECT_EQ(0, sim::User32().threadInputAttachments) << "attached and detached again";
}

TEST_F(AppTest, ExitResetsTheConverterAndWritesEverySetting) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    EXPECT_EQ(0, Exit());
    EXPECT_THAT(Wire(converter), ElementsAre(RegisterWrite(0x6C, 0), RegisterWrite(0x6E, 0),
                                             RegisterWrite(0x68, 0), RegisterWrite(0x6A, 0)));
    EXPECT_FALSE(sim::Shell32().tray.present);
    EXPECT_TRUE(sim::Hook().entries.empty());
    EXPECT_FALSE(sim::Hook().running);
    EXPECT_TRUE(sim::Kernel32().files.empty()) << "the converter was closed";
    EXPECT_EQ(65546u, Stored("General", "Version"));
    EXPECT_EQ(76u, Stored("ShortcutKeys", "Key_1"));
    EXPECT_EQ(6u, Stored("ShortcutKeys", "Flags_1"));
    EXPECT_EQ(70u, Stored("ShortcutKeys", "Key_2"));
    EXPECT_EQ(6u, Stored("ShortcutKeys", "Flags_2"));
    EXPECT_EQ(1024u, Stored("Selection", "HorizontalResolution"));
    EXPECT_EQ(412u, Stored("Device", "TvVerticalSize"));
    EXPECT_EQ(3, sim::Advapi32().registry.WriteCount(
                     std::string(testing_support::kProfile) + "\\Device", "Contrast"))
        << "at start-up, then as the frame closes and as the document empties";
}

// A converter that fails the reset at exit is not worth a box that holds the exit until
// someone answers it: the tray icon is gone, and the program with it.
TEST_F(AppTest, AFailureAtExitHoldsNothing) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.FailNthTransfer(1, sim::Fault::Error(ERROR_GEN_FAILURE));
    EXPECT_EQ(0, Exit());
    EXPECT_FALSE(sim::Shell32().tray.present);
    EXPECT_THAT(MessageBoxes(), IsEmpty());
}

TEST_F(AppTest, PowerSavingIsOffWhileRunningAndBackAfterExit) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(sim::User32().powerSaving.screenSaver);
    EXPECT_FALSE(sim::User32().powerSaving.lowPower);
    EXPECT_FALSE(sim::User32().powerSaving.powerOff);
    world.SwitchPowerSaving(SPI_SETSCREENSAVEACTIVE, TRUE);
    EXPECT_FALSE(sim::User32().powerSaving.screenSaver) << "switched off again at once";
    Exit();
    EXPECT_TRUE(sim::User32().powerSaving.screenSaver);
    EXPECT_TRUE(sim::User32().powerSaving.lowPower);
    EXPECT_TRUE(sim::User32().powerSaving.powerOff);
}

// Today's Windows sleeps an idle display by the power plan, whatever the SPI_ states say, and
// a sleeping display sends the converter nothing: Corvane asks for the display while it runs.
constexpr DWORD kHalfAnHour = 30 * 60 * 1000;

// The TV's centre shows the video black level (the pedestal at most), not the blue desktop.
bool TvCentreIsBlack(sim::World& world, sim::Converter& converter) {
    const std::uint32_t p = converter.Render(world.PictureSent(), world.Now()).At(360, 240);
    return (p >> 16) == (p & 0xFF) && ((p >> 8) & 0xFF) == (p & 0xFF) && (p & 0xFF) < 0x20;
}

TEST_F(AppTest, HalfAnHourIdleLeavesTheDisplayAndTheTvOnWhileRunningAndDarkAfterExit) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    world.RunFor(kHalfAnHour);
    EXPECT_FALSE(sim::DisplayAsleep());
    EXPECT_FALSE(TvCentreIsBlack(world, converter)) << "the desktop on the TV";
    Exit();
    world.RunFor(kHalfAnHour);
    EXPECT_TRUE(sim::DisplayAsleep());
    EXPECT_TRUE(TvCentreIsBlack(world, converter)) << "nothing sent";
    world.input.MoveMouse(10, 10);
    EXPECT_FALSE(sim::DisplayAsleep()) << "input wakes it";
}

TEST_F(AppTest, ASessionEndLetsTheDisplaySleepAndACancelledOneKeepsItOn) {
    world.Plug();
    ASSERT_TRUE(Start());
    SendMessageA(Frame()->m_hWnd, WM_QUERYENDSESSION, 0, 0);
    world.Advance(kHalfAnHour);
    EXPECT_TRUE(sim::DisplayAsleep()) << "given back while the session may end";
    SendMessageA(Frame()->m_hWnd, WM_ENDSESSION, FALSE, 0);
    world.Advance(kHalfAnHour);
    EXPECT_FALSE(sim::DisplayAsleep()) << "asked for again once the end was cancelled";
}

TEST_F(AppTest, PowerSavingThatWasOffIsNeverTouched) {
    sim::User32().powerSaving = sim::PowerSaving{FALSE, FALSE, FALSE};
    ASSERT_TRUE(Start());
    Exit();
    EXPECT_THAT(sim::User32().powerSavingCalls, IsEmpty());
}

// The three states, as the user's system has them now.
std::vector<BOOL> PowerSavingStates() {
    return {sim::User32().powerSaving.screenSaver, sim::User32().powerSaving.lowPower,
            sim::User32().powerSaving.powerOff};
}

TEST_F(AppTest, ASessionEndGivesPowerSavingBackAndKeepsItBack) {
    world.Plug();
    ASSERT_TRUE(Start());
    EXPECT_EQ((std::vector<BOOL>{FALSE, FALSE, FALSE}), PowerSavingStates());
    world.EndSession(false);
    EXPECT_EQ((std::vector<BOOL>{TRUE, TRUE, TRUE}), PowerSavingStates())
        << "our own broadcast does not switch them off again";
}

TEST_F(AppTest, CancelledSessionEndSavesAndSuppressesPowerSavingAgain) {
    world.Plug();
    ASSERT_TRUE(Start());
    SendMessageA(Frame()->m_hWnd, WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ((std::vector<BOOL>{TRUE, TRUE, TRUE}), PowerSavingStates())
        << "given back while the session may end";
    SendMessageA(Frame()->m_hWnd, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ((std::vector<BOOL>{FALSE, FALSE, FALSE}), PowerSavingStates())
        << "off again once another program cancelled";
    world.SwitchPowerSaving(SPI_SETSCREENSAVEACTIVE, TRUE);
    EXPECT_FALSE(sim::User32().powerSaving.screenSaver) << "and kept off as before";
    world.EndSession(true);
    EXPECT_EQ(65546u, Stored("General", "Version"));
    EXPECT_EQ((std::vector<BOOL>{FALSE, FALSE, FALSE}), PowerSavingStates());
    EXPECT_EQ(2u, sim::Hook().entries.size()) << "the shortcuts stay registered";
    EXPECT_NE(nullptr, Doc()->m_pDevice);
    EXPECT_TRUE(IsWindow(Frame()->m_hWnd));
}

TEST_F(AppTest, SessionEndClosesTheDocumentButLeavesTheFrame) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    world.EndSession(false);
    EXPECT_THAT(Wire(converter), ElementsAre(RegisterWrite(0x6C, 0), RegisterWrite(0x6E, 0),
                                             RegisterWrite(0x68, 0), RegisterWrite(0x6A, 0)));
    EXPECT_TRUE(sim::Kernel32().files.empty());
    EXPECT_TRUE(IsWindow(Frame()->m_hWnd));
    EXPECT_TRUE(sim::Hook().entries.empty()) << "taken back before they were freed";
    EXPECT_EQ(65546u, Stored("General", "Version"));
}

} // namespace
