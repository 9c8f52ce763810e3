// The virtual clock: timers fire as time passes, and time never runs backwards.
#include "platform/sim/control/world.h"
#include "platform/win32.h"
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

} // namespace
