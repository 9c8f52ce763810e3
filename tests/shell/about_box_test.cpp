// The About box, opened from the tray and closed each way a user closes a dialog, through
// the simulated mouse and keyboard.
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/shell/app_harness.h"

#include <functional>

namespace {

using testing_support::AppTest;

struct Closing {
    const char* name;
    std::function<void(sim::World&, HWND)> act;
};

std::ostream& operator<<(std::ostream& out, const Closing& closing) {
    return out << closing.name;
}

const Closing kClosings[] = {
    {"ClickOnOk", [](sim::World& w, HWND d) { w.input.ClickWindow(GetDlgItem(d, IDOK)); }},
    {"Enter", [](sim::World& w, HWND) { w.input.TypeKey(VK_RETURN); }},
    {"Escape", [](sim::World& w, HWND) { w.input.TypeKey(VK_ESCAPE); }},
    {"CloseBox", [](sim::World& w, HWND d) { w.input.ClickCloseBox(d); }},
    {"AltF4", [](sim::World& w, HWND) { w.input.TypeKey(VK_F4, SHORTCUT_ALT); }},
};

class AboutBoxTest : public AppTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(AboutBoxTest, ClosesAndTheProgramRunsOn) {
    ASSERT_TRUE(Start());
    HWND about = nullptr;
    bool endedByTheAction = false;
    user.Choose(ID_APP_ABOUT);
    user.OnDialog([&](HWND dialog) {
        about = dialog;
        GetParam().act(world, dialog);
        const sim::Window* window = sim::Windows().Find(dialog);
        endedByTheAction = window == nullptr || window->dialogEnded;
    });
    world.input.ClickTrayIcon(sim::MouseButton::Right);
    ASSERT_NE(nullptr, about);
    EXPECT_TRUE(endedByTheAction) << "the one action closed it";
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindowEnabled(Frame()->m_hWnd));
    EXPECT_TRUE(sim::Shell32().tray.present) << "the program is still there";
    world.input.ClickTrayIcon(sim::MouseButton::Right);
    EXPECT_EQ(2, sim::User32().popupMenusShown) << "and answers the tray again";
}

INSTANTIATE_TEST_SUITE_P(Closings, AboutBoxTest, ::testing::ValuesIn(kClosings),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
