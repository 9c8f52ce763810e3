// Start-up: hidden in the tray, the converter opened and the model applied, or not.
#include "device/DeviceException.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/hook/hook_state.h"
#include "platform/sim/imm32/imm32_state.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/shell/app_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::AppTest;
using testing_support::kProfile;
using testing_support::RegisterWrite;
using testing_support::Wire;

TEST_F(AppTest, StartsHiddenInTheTrayWithTheModelApplied) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    ASSERT_NE(nullptr, Frame());
    EXPECT_FALSE(IsWindowVisible(Frame()->m_hWnd));
    EXPECT_TRUE(sim::Shell32().tray.present);
    EXPECT_EQ(IDI_TRAY_READY, sim::Shell32().tray.iconResource);
    EXPECT_EQ("Corvane", sim::Shell32().tray.tip);
    EXPECT_EQ(static_cast<UINT>(WM_APP), sim::Shell32().tray.callbackMessage);
    EXPECT_THAT(Balloons(), IsEmpty());
    EXPECT_THAT(MessageBoxes(), IsEmpty());
    const auto wire = Wire(converter);
    ASSERT_FALSE(wire.empty());
    EXPECT_EQ(0u, wire.front().find("descriptor"));
    EXPECT_EQ(RegisterWrite(0x6A, 0), wire.back()) << "ends with the whole desktop programmed";
    EXPECT_NE(nullptr, Doc()->m_pDevice);
    EXPECT_TRUE(app.m_bFirstRun) << "nothing was stored";
    for (const char* name : {"Contrast", "TvVerticalSize", "SuppressVerticalStripePattern"}) {
        EXPECT_EQ(1, sim::Advapi32().registry.WriteCount(std::string(kProfile) + "\\Device", name))
            << name;
    }
    EXPECT_EQ(1,
              sim::Advapi32().registry.WriteCount(std::string(kProfile) + "\\Selection", "Left"));
}

TEST_F(AppTest, StartsWithoutAConverterAndSaysSoOnce) {
    ASSERT_TRUE(Start());
    EXPECT_THAT(Balloons(), ElementsAre("error: No devices are connected or working properly."));
    EXPECT_EQ("Corvane", sim::Shell32().tray.balloons.at(0).title);
    EXPECT_EQ(10000u, sim::Shell32().tray.balloons.at(0).timeout);
    EXPECT_EQ(IDI_TRAY_NODEVICE, sim::Shell32().tray.iconResource);
    EXPECT_EQ(nullptr, Doc()->m_pDevice);
    EXPECT_THAT(MessageBoxes(), IsEmpty()) << "the hidden frame carries it as a balloon";
}

TEST_F(AppTest, ConverterHeldByAnotherProgramIsReportedAsBusy) {
    world.Plug().HoldElsewhere(true);
    ASSERT_TRUE(Start());
    EXPECT_THAT(Balloons(),
                ElementsAre("error: There are no available devices, because other processes or "
                            "threads have already obtained exclusive access to devices."));
    EXPECT_EQ(IDI_TRAY_NODEVICE, sim::Shell32().tray.iconResource);
}

TEST_F(AppTest, JapaneseUsersSeeJapaneseTexts) {
    world.SetLanguage(sim::Language::Japanese);
    world.SetUserLocale(0x0411);
    ASSERT_TRUE(Start());
    EXPECT_THAT(
        Balloons(),
        ElementsAre("error: デバイスが接続されていないか、または、正常に動作していません。"));
    EXPECT_EQ(FALSE, Doc()->m_bPedestal);
    world.input.ClickTrayIcon(sim::MouseButton::Right);
    EXPECT_THAT(LastMenu(), ElementsAre("32776 \"ｵﾌﾟｼｮﾝ(&O)...\" enabled",
                                        "57664 \"Corvane のﾊﾞｰｼﾞｮﾝ情報(&A)...\" enabled",
                                        "57665 \"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)\" enabled"));
}

TEST_F(AppTest, FailingNotificationRegistrationEndsStartUpWithAMessageBox) {
    world.Plug();
    sim::User32().notificationError = ERROR_INVALID_PARAMETER;
    EXPECT_FALSE(Start());
    EXPECT_THAT(MessageBoxes(), ElementsAre("The parameter is incorrect.\r\n"));
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), sim::User32().messageBoxes.at(0).type);
    EXPECT_THAT(Balloons(), IsEmpty());
    EXPECT_FALSE(sim::Shell32().tray.present);
    EXPECT_EQ(65546u, Stored("General", "Version")) << "the exit still ran";
    EXPECT_EQ(nullptr, app.m_pMainWnd);
}

TEST_F(AppTest, FrameFailingAtItsTimerStillCleansUpEverything) {
    world.Plug();
    sim::Windows().FailTimers(true);
    EXPECT_FALSE(Start());
    EXPECT_FALSE(sim::Shell32().tray.present);
    EXPECT_TRUE(sim::User32().deviceNotifications.empty());
    EXPECT_THAT(sim::Hook().calls,
                ElementsAre("RemoveShortcut 76/6", "RemoveShortcut 70/6", "StopHook"));
    EXPECT_THAT(MessageBoxes(), IsEmpty()) << "no message of the program's own";
    EXPECT_EQ(65546u, Stored("General", "Version"));
}

struct HookFailure {
    const char* name;
    int failAddAt;
    bool failStart;
    std::vector<std::string> calls;
};

class HookFailureTest : public AppTest, public ::testing::WithParamInterface<HookFailure> {};

TEST_P(HookFailureTest, RefusalEndsStartUpAndEveryEntryIsRemoved) {
    sim::Hook().failAddAt = GetParam().failAddAt;
    sim::Hook().failStart = GetParam().failStart;
    EXPECT_FALSE(Start());
    EXPECT_EQ(GetParam().calls, sim::Hook().calls);
    EXPECT_FALSE(sim::Shell32().tray.present);
}

INSTANTIATE_TEST_SUITE_P(Failures, HookFailureTest,
                         ::testing::Values(HookFailure{"FirstAdd",
                                                       1,
                                                       false,
                                                       {"AddShortcut 76/6", "RemoveShortcut 76/6",
                                                        "RemoveShortcut 70/6", "StopHook"}},
                                           HookFailure{"Start",
                                                       0,
                                                       true,
                                                       {"AddShortcut 76/6", "AddShortcut 70/6",
                                                        "StartHook", "RemoveShortcut 76/6",
                                                        "RemoveShortcut 70/6", "StopHook"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, StoredShortcutsAreRegisteredAsTheyAre) {
    Store("ShortcutKeys", "Key_2", 0x7C); // F13: not a key the Shortcut Key page offers
    Store("ShortcutKeys", "Flags_2", 1);
    ASSERT_TRUE(Start());
    EXPECT_THAT(sim::Hook().calls,
                ElementsAre("AddShortcut 76/6", "AddShortcut 124/1", "StartHook"));
    EXPECT_FALSE(app.m_bFirstRun);
}

TEST_F(AppTest, FrameCoversTheScreenAndHasNoInputMethod) {
    ASSERT_TRUE(Start());
    RECT client{};
    GetClientRect(Frame()->m_hWnd, &client);
    POINT origin{0, 0};
    ClientToScreen(Frame()->m_hWnd, &origin);
    EXPECT_EQ(-2, origin.x);
    EXPECT_EQ(-2, origin.y);
    EXPECT_EQ(1024 + 4, client.right);
    EXPECT_EQ(768 + 4, client.bottom);
    const HWND view = Frame()->GetActiveView()->m_hWnd;
    POINT viewOrigin{0, 0};
    ClientToScreen(view, &viewOrigin);
    EXPECT_EQ(0, viewOrigin.x) << "the view's client area is the screen, origin included";
    EXPECT_EQ(0, viewOrigin.y);
    EXPECT_FALSE(sim::Imm32().imeStatusWindowOpen);
    EXPECT_EQ(nullptr, ImmGetContext(Frame()->m_hWnd));
}

} // namespace

namespace {

using testing_support::AppTest;

TEST_F(AppTest, LongBalloonTextIsCutBetweenCharacters) {
    ASSERT_TRUE(Start());
    sim::Shell32().tray.balloons.clear();
    app.ShowMessage(std::string(300, 'x'), FALSE);
    // 85 three-byte characters fill 255 bytes exactly; one byte more must not split the 86th.
    std::string japanese = "a";
    for (int i = 0; i < 100; ++i) {
        japanese += "デ";
    }
    app.ShowMessage(japanese, TRUE);
    ASSERT_EQ(2u, sim::Shell32().tray.balloons.size());
    EXPECT_EQ(std::string(255, 'x'), sim::Shell32().tray.balloons[0].text);
    const std::string& cut = sim::Shell32().tray.balloons[1].text;
    EXPECT_EQ(1u + 84 * 3, cut.size());
    EXPECT_EQ(japanese.substr(0, cut.size()), cut);
}

TEST_F(AppTest, MessagesBecomeMessageBoxesWhileTheFrameIsShown) {
    ASSERT_TRUE(Start());
    sim::Shell32().tray.balloons.clear();
    Frame()->ShowWindow(SW_SHOW);
    app.ReportDeviceError(DEVICE_ERROR_NO_DEVICE);
    EXPECT_THAT(MessageBoxes(),
                ::testing::ElementsAre("No devices are connected or working properly."));
    EXPECT_EQ(Frame()->m_hWnd, sim::User32().messageBoxes.at(0).owner);
    EXPECT_TRUE(sim::Shell32().tray.balloons.empty());
}

} // namespace
