// The simulated user's mouse: a button held for a while stays pushed, with time passing and
// timers firing, and clicks once when let go.
#include "platform/sim/control/world.h"
#include "platform/win32.h"
#include "tests/platform/sim/test_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HWND g_button = nullptr;
std::vector<bool> g_pushedAtTicks;
int g_clicks = 0;

LRESULT CALLBACK Panel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        g_pushedAtTicks.push_back((SendMessageA(g_button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0);
        return 0;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        ++g_clicks;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Input, AHeldButtonStaysPushedWhileTimeGoesByAndClicksOnce) {
    sim::World world;
    const HWND panel = testing_support::CreateTestWindow("Panel", Panel, WS_POPUP | WS_VISIBLE,
                                                         RECT{100, 100, 300, 200});
    g_button = CreateWindowExA(0, "BUTTON", "Hold", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10,
                               80, 24, panel, reinterpret_cast<HMENU>(1032), nullptr, nullptr);
    g_pushedAtTicks.clear();
    g_clicks = 0;
    SetTimer(panel, 1, 50, nullptr);
    world.input.MoveMouse(140, 120);
    world.input.HoldButton(sim::MouseButton::Left, 200);
    ASSERT_GE(g_pushedAtTicks.size(), 3u) << "the timer kept firing while the button was held";
    for (const bool pushed : g_pushedAtTicks) {
        EXPECT_TRUE(pushed);
    }
    EXPECT_EQ(1, g_clicks);
    EXPECT_EQ(0, SendMessageA(g_button, BM_GETSTATE, 0, 0) & BST_PUSHED) << "released";
    DestroyWindow(panel);
}

} // namespace
