// The two tray menus: their items' states, what choosing does, and the guard while a
// command runs.
#include "platform/sim/user32/user32_state.h"
#include "tests/shell/app_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using testing_support::AppTest;
using testing_support::RegisterWrite;
using testing_support::Wire;

const std::vector<std::string> kRightMenu = {"32776 \"&Option...\" enabled",
                                             "57664 \"&About Corvane...\" enabled",
                                             "57665 \"E&xit Application\" enabled"};

TEST_F(AppTest, LeftMenuWithAConverterAndTheWholeDesktop) {
    world.Plug();
    ASSERT_TRUE(Start());
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    EXPECT_THAT(LastMenu(), ElementsAreArray({
                                "popup \"&Change Display Area...\" enabled",
                                "  32777 \"Mouse Trace Mode &1\" disabled",
                                "  32778 \"Mouse Trace Mode &2\" disabled",
                                "  32779 \"Mouse Trace Mode &3\" disabled",
                                "  32783 \"Follow &Focus\" disabled",
                                "  32784 \"Follow &Window...\" disabled",
                                "32771 \"&Select Area...\" enabled",
                                "32772 \"Select &Window...\" enabled",
                                "32780 \"&Quarter Screen\" enabled",
                                "32782 \"&Full Screen\" enabled",
                                "separator",
                                "32774 \"&External S-Video Input\" enabled",
                                "32775 \"External Comp&osite Input\" enabled",
                            }));
}

TEST_F(AppTest, LeftMenuWithAStoredAreaAndExternalInputsOn) {
    StoreTopLeftQuarter();
    Store("Device", "ExternalOutput", 0x30);
    world.Plug();
    ASSERT_TRUE(Start());
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    const auto menu = LastMenu();
    EXPECT_EQ("  32777 \"Mouse Trace Mode &1\" enabled", menu.at(1));
    EXPECT_EQ("32774 \"&External S-Video Input\" enabled checked", menu.at(11));
    EXPECT_EQ("32775 \"External Comp&osite Input\" enabled checked", menu.at(12));
}

TEST_F(AppTest, LeftMenuWithoutAConverter) {
    ASSERT_TRUE(Start());
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    const auto menu = LastMenu();
    EXPECT_EQ("popup \"&Change Display Area...\" grayed", menu.at(0));
    EXPECT_THAT(std::vector<std::string>(menu.begin() + 1, menu.end()),
                ElementsAreArray({
                    "32771 \"&Select Area...\" disabled",
                    "32772 \"Select &Window...\" disabled",
                    "32780 \"&Quarter Screen\" disabled",
                    "32782 \"&Full Screen\" disabled",
                    "separator",
                    "32774 \"&External S-Video Input\" disabled",
                    "32775 \"External Comp&osite Input\" disabled",
                }));
}

TEST_F(AppTest, AlternativeModelHasNoExternalInputsButKeepsTheirMarks) {
    Store("Device", "ExternalOutput", 0x20);
    ChipConfig config = sim::MainModelConfig();
    config.product_id = 0xA003;
    world.Plug(config);
    ASSERT_TRUE(Start());
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    EXPECT_EQ("32774 \"&External S-Video Input\" disabled checked", LastMenu().at(11));
    EXPECT_EQ("32775 \"External Comp&osite Input\" disabled", LastMenu().at(12));
}

TEST_F(AppTest, RightMenuIsTheSameWithOrWithoutAConverter) {
    ASSERT_TRUE(Start());
    world.input.ClickTrayIcon(sim::MouseButton::Right);
    EXPECT_EQ(kRightMenu, LastMenu());
    world.Plug();
    world.input.PressTrayIconMenuKey();
    EXPECT_EQ(kRightMenu, LastMenu()) << "a context-menu notification opens it too";
}

TEST_F(AppTest, FullScreenFromTheMenuResetsTheScalerAndForgetsTheArea) {
    StoreTopLeftQuarter();
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    user.Choose(ID_FULL_SCREEN);
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    EXPECT_THAT(Wire(converter), ElementsAre(RegisterWrite(0x6C, 0), RegisterWrite(0x6E, 0),
                                             RegisterWrite(0x68, 0), RegisterWrite(0x6A, 0)));
    EXPECT_TRUE(IsRectEmpty(&Doc()->m_rcDisplayArea));
    EXPECT_EQ(0u, Frame()->m_nTrayCommand);
}

TEST_F(AppTest, ExternalSVideoTwiceTogglesOnlyItsBit) {
    Store("Device", "ExternalOutput", 0x10);
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    user.Choose(ID_EXTERNAL_SVIDEO);
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    user.Choose(ID_EXTERNAL_SVIDEO);
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    EXPECT_THAT(Wire(converter),
                ElementsAre("40 60 0C 00 00 00 | 38 38 30", "40 60 0C 00 00 00 | 38 38 10"));
    EXPECT_EQ(0x10, Doc()->m_byExternalOutput);
}

TEST_F(AppTest, DismissedMenuSendsNothingAndTheNextClickOpensAgain) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    world.input.ClickTrayIcon(sim::MouseButton::Left);
    EXPECT_EQ(2, sim::User32().popupMenusShown);
    EXPECT_THAT(Wire(converter), IsEmpty());
    EXPECT_EQ(0u, Frame()->m_nTrayCommand);
}

TEST_F(AppTest, ClickWhileTheAboutBoxIsOpenOnlyBringsItForward) {
    ASSERT_TRUE(Start());
    HWND about = nullptr;
    user.Choose(ID_APP_ABOUT);
    user.OnDialog([&](HWND dialog) {
        about = dialog;
        SetForegroundWindow(Frame()->m_hWnd);
        world.input.ClickTrayIcon(sim::MouseButton::Right);
        world.input.ClickTrayIcon(sim::MouseButton::Left);
        EXPECT_EQ(dialog, GetForegroundWindow());
        EXPECT_FALSE(IsWindowEnabled(Frame()->m_hWnd)) << "the box is modal to the frame";
        char caption[64] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_STREQ("Corvane Version Information", caption);
        world.input.ClickWindow(GetDlgItem(dialog, IDOK));
    });
    world.input.ClickTrayIcon(sim::MouseButton::Right);
    ASSERT_NE(nullptr, about);
    EXPECT_EQ(1, sim::User32().popupMenusShown) << "no second menu while the box was up";
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindowEnabled(Frame()->m_hWnd));
    EXPECT_EQ(0u, Frame()->m_nTrayCommand);
    world.input.ClickTrayIcon(sim::MouseButton::Right);
    EXPECT_EQ(2, sim::User32().popupMenusShown) << "and menus open again once it closed";
}

TEST_F(AppTest, ExitIsPostedSoTheMenuIsGoneBeforeTheFrameCloses) {
    ASSERT_TRUE(Start());
    user.Choose(ID_APP_EXIT);
    PostMessageA(Frame()->m_hWnd, WM_APP, 0, WM_RBUTTONUP);
    MSG message;
    ASSERT_TRUE(sim::Windows().NextMessage(message));
    sim::Windows().Dispatch(message);
    EXPECT_TRUE(IsWindow(Frame()->m_hWnd)) << "still standing when the menu returned";
    EXPECT_TRUE(sim::User32().menus.empty()) << "the menu is destroyed";
    ASSERT_TRUE(sim::Windows().NextMessage(message));
    EXPECT_EQ(static_cast<UINT>(WM_COMMAND), message.message);
    EXPECT_EQ(static_cast<WPARAM>(ID_APP_EXIT), message.wParam);
    sim::Windows().Dispatch(message);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(0, app.Run());
}

} // namespace
