// The virtual clock: timers fire as time passes, and time never runs backwards.
#include "platform/sim/control/world.h"
#include "platform/sim/interaction.h"
#include "platform/win32.h"
#include "res/resource.h"
#include "tests/platform/sim/test_window.h"

#include <gtest/gtest.h>

namespace {

std::vector<DWORD> g_fired;

LRESULT CALLBACK SlowTimerWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        g_fired.push_back(GetTickCount());
        Sleep(50); // a handler that waits for a device, longer than the timer's period
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Clock, AHandlerThatWaitsPastTheEndKeepsTheClockMovingForward) {
    sim::World world;
    const HWND window = testing_support::CreateTestWindow("SlowTimer", SlowTimerWindow, WS_POPUP,
                                                          RECT{0, 0, 10, 10});
    g_fired.clear();
    SetTimer(window, 1, 20, nullptr);
    world.RunFor(20);
    const DWORD afterFirst = world.Now();
    const std::size_t firedFirst = g_fired.size();
    EXPECT_GE(afterFirst, 70u) << "the wait inside the handler counts";
    EXPECT_LE(firedFirst, 2u) << "the overdue timer fires once, not once for each period";
    world.RunFor(20);
    EXPECT_GE(world.Now(), afterFirst + 20) << "and the clock never runs backwards";
    EXPECT_GT(g_fired.size(), firedFirst) << "the timer goes on firing";
    for (std::size_t i = 1; i < g_fired.size(); ++i) {
        EXPECT_LT(g_fired[i - 1], g_fired[i]);
    }
}

LRESULT CALLBACK CountingTimerWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        g_fired.push_back(GetTickCount());
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A user who, with the menu open, lets time pass (as corvane-sim's clock follows the wall
// clock while a person reads the menu), then presses Esc.
class UserWhoWaitsInTheMenu : public sim::AbsentUser {
  public:
    explicit UserWhoWaitsInTheMenu(sim::World& world) : m_world(world) {}
    UINT ChooseFromMenu(HMENU, HWND) override {
        if (++asked > 1) {
            return 0; // the key did not reach the menu
        }
        m_world.RunFor(100);
        firedWhileOpen = g_fired.size();
        m_world.input.TypeKey(VK_ESCAPE);
        return sim::kMenuKeysPressed;
    }
    std::size_t firedWhileOpen = 0;
    int asked = 0;

  private:
    sim::World& m_world;
};

// The menu's own loop delivers timers while it waits for the user, as Windows' does, and
// still takes the keys.
TEST(Clock, TimersFireWhileAPopupMenuIsOpen) {
    sim::World world;
    UserWhoWaitsInTheMenu user(world);
    world.SetUser(&user);
    const HWND window = testing_support::CreateTestWindow(
        "CountingTimer", CountingTimerWindow, WS_POPUP | WS_VISIBLE, RECT{0, 0, 10, 10});
    SetForegroundWindow(window);
    g_fired.clear();
    SetTimer(window, 1, 20, nullptr);
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAYMENU));
    EXPECT_EQ(TrackPopupMenu(GetSubMenu(menu, 1), TPM_RETURNCMD, 0, 0, 0, window, nullptr), 0)
        << "Esc closes the menu";
    EXPECT_EQ(user.asked, 1) << "the menu took the key";
    EXPECT_GE(user.firedWhileOpen, 4u) << "100 ms with a 20 ms timer";
    DestroyMenu(menu);
    world.SetUser(nullptr);
}

} // namespace
