// The pointer, mouse capture, the keyboard's state and the rectangle helpers the view uses.
#include "tests/conformance/harness.h"

namespace {

// Where the pointer is once it is at `wanted` or a second has passed: under Wine's X11 driver
// a move the X server has not yet confirmed can be overtaken by an older pointer position.
POINT SettledCursor(POINT wanted) {
    POINT point{};
    for (int tries = 0; tries < 50; ++tries) {
        GetCursorPos(&point);
        if (point.x == wanted.x && point.y == wanted.y) {
            break;
        }
        conformance::PumpMessages(20);
    }
    return point;
}

int g_presses = 0;
int g_doubleClicks = 0;

LRESULT CALLBACK CountingClicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_presses += message == WM_LBUTTONDOWN ? 1 : 0;
    g_doubleClicks += message == WM_LBUTTONDBLCLK ? 1 : 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window under the pointer whose class takes double-clicks or not.
HWND ClickTarget(bool takesDoubleClicks) {
    const char* name = takesDoubleClicks ? "ConformanceDoubleClicks" : "ConformanceClicks";
    WNDCLASSA windowClass{};
    windowClass.style = takesDoubleClicks ? CS_DBLCLKS : 0;
    windowClass.lpfnWndProc = CountingClicks;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, name, "", WS_POPUP | WS_VISIBLE, 300, 300,
                                        100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetForegroundWindow(window);
    SetCursorPos(350, 350);
    SettledCursor(POINT{350, 350});
    conformance::PumpMessages(100);
    return window;
}

// Presses (and releases) the left button `count` times, `gap` milliseconds apart, after a
// pause longer than the double-click time.
void Presses(int count, DWORD gap) {
    conformance::PumpMessages(600);
    g_presses = g_doubleClicks = 0;
    for (int i = 0; i < count; ++i) {
        INPUT press[2] = {};
        press[0].type = press[1].type = INPUT_MOUSE;
        press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, press, sizeof(INPUT));
        conformance::PumpMessages(gap);
    }
}

} // namespace

// The second of two quick presses in one place is a double-click for a window that asks for
// them, and a press like the first for one that does not; the third starts afresh.
CONFORMANCE_TEST(QuickPressesDoubleClickOnlyAWindowThatAsks) {
    HWND window = ClickTarget(true);
    Presses(2, 50);
    ok(g_presses == 1 && g_doubleClicks == 1, "a press, then a double-click: %d, %d", g_presses,
       g_doubleClicks);
    Presses(3, 50);
    ok(g_presses == 2 && g_doubleClicks == 1, "the third press a press again: %d, %d", g_presses,
       g_doubleClicks);
    Presses(2, 600);
    ok(g_presses == 2 && g_doubleClicks == 0, "slower than the double-click time: %d, %d",
       g_presses, g_doubleClicks);
    DestroyWindow(window);
    window = ClickTarget(false);
    Presses(2, 50);
    ok(g_presses == 2 && g_doubleClicks == 0, "without CS_DBLCLKS, two presses: %d, %d", g_presses,
       g_doubleClicks);
    DestroyWindow(window);
}

CONFORMANCE_TEST(TheCursorGoesWhereItIsPutWithinTheScreen) {
    POINT saved{};
    ok(GetCursorPos(&saved), "GetCursorPos");
    ok(SetCursorPos(300, 250), "SetCursorPos");
    POINT point = SettledCursor(POINT{300, 250});
    ok(point.x == 300 && point.y == 250, "at (%ld, %ld)", static_cast<long>(point.x),
       static_cast<long>(point.y));
    SetCursorPos(-50, 100000);
    point = SettledCursor(POINT{0, GetSystemMetrics(SM_CYSCREEN) - 1});
    ok(point.x == 0 && point.y == GetSystemMetrics(SM_CYSCREEN) - 1,
       "kept on the screen: (%ld, %ld)", static_cast<long>(point.x), static_cast<long>(point.y));
    SetCursorPos(saved.x, saved.y);
}

CONFORMANCE_TEST(CaptureIsTakenAndGivenBack) {
    const HWND first = CreateWindowExA(0, conformance::LoggingClass(), "", WS_POPUP | WS_VISIBLE, 0,
                                       0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    const HWND second = CreateWindowExA(0, conformance::LoggingClass(), "", WS_POPUP | WS_VISIBLE,
                                        60, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ok(SetCapture(first) == nullptr, "nobody had it");
    ok(GetCapture() == first, "the first window has it");
    ok(SetCapture(second) == first, "SetCapture gives the previous holder");
    ok(ReleaseCapture(), "ReleaseCapture");
    ok(GetCapture() == nullptr, "nobody has it");
    DestroyWindow(second);
    DestroyWindow(first);
}

CONFORMANCE_TEST(NoKeyIsHeldWhenNobodyTypes) {
    ok(GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0,
       "the high bit is clear for keys that are up");
}

// Two presses make a double-click within the user's time and rectangle; a fresh Windows has
// half a second and four pixels each way.
CONFORMANCE_TEST(DoubleClicksByDefaultSettings) {
    ok(GetDoubleClickTime() == 500, "the double-click time: %u", GetDoubleClickTime());
    ok(GetSystemMetrics(SM_CXDOUBLECLK) == 4 && GetSystemMetrics(SM_CYDOUBLECLK) == 4,
       "the double-click rectangle: %d x %d", GetSystemMetrics(SM_CXDOUBLECLK),
       GetSystemMetrics(SM_CYDOUBLECLK));
}

CONFORMANCE_TEST(RectangleHelpers) {
    RECT rect{10, 20, 30, 40};
    ok(PtInRect(&rect, POINT{10, 20}) && !PtInRect(&rect, POINT{30, 25}) &&
           !PtInRect(&rect, POINT{15, 40}),
       "left and top inside, right and bottom outside");
    ok(OffsetRect(&rect, -10, 5) && rect.left == 0 && rect.top == 25 && rect.right == 20 &&
           rect.bottom == 45,
       "OffsetRect");
    RECT inverted{30, 0, 10, 10};
    ok(IsRectEmpty(&inverted), "an inverted rectangle is empty");
}
