// Windows: creation, destruction, showing and activation, z-order, and the client-area
// arithmetic the frame and the view rely on.
#include "tests/conformance/harness.h"

using conformance::Expected;
using conformance::Log;

namespace {

HWND CreateLogged(DWORD style, HWND parent = nullptr, int x = 10, int y = 20, int width = 300,
                  int height = 200) {
    return CreateWindowExA(0, conformance::LoggingClass(), "conformance", style, x, y, width,
                           height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == upper) {
            return true;
        }
    }
    return false;
}

} // namespace

CONFORMANCE_TEST(APopupLearnsItsSizeAtCreation) {
    const HWND window = CreateLogged(WS_POPUP);
    ok(window != nullptr, "CreateWindowExA failed: %lu", GetLastError());
    ok_sequence(Log(), (std::vector<Expected>{{WM_NCCREATE}, {WM_CREATE}, {WM_SIZE}}),
                "a hidden popup's creation");
    ok(!IsWindowVisible(window), "created without WS_VISIBLE, so hidden");
    ShowWindow(window, SW_SHOW);
    ok((GetWindowLongA(window, GWL_STYLE) & (WS_VISIBLE | WS_POPUP)) == (WS_VISIBLE | WS_POPUP),
       "its style once shown: %08lx",
       static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
    DestroyWindow(window);
}

CONFORMANCE_TEST(AnOverlappedWindowLearnsItsSizeWhenFirstShown) {
    const HWND window = CreateLogged(WS_OVERLAPPEDWINDOW);
    ok_sequence(Log(), (std::vector<Expected>{{WM_NCCREATE}, {WM_CREATE}}),
                "a hidden overlapped window's creation");
    Log().Clear();
    ShowWindow(window, SW_SHOW);
    ok_sequence(
        Log(),
        (std::vector<Expected>{{WM_ACTIVATE, false, true, WA_ACTIVE}, {WM_SETFOCUS}, {WM_SIZE}}),
        "its first showing");
    Log().Clear();
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOW);
    ok(Log().Messages().empty() || Log().Messages().back().message != WM_SIZE, "and only then: %s",
       Log().Describe().c_str());
    DestroyWindow(window);
}

CONFORMANCE_TEST(DestructionTellsTheParentFirstAndEndsWithIt) {
    const HWND parent = CreateLogged(WS_OVERLAPPEDWINDOW);
    const HWND child = CreateLogged(WS_CHILD, parent, 0, 0, 50, 50);
    ok(GetParent(child) == parent && IsChild(parent, child), "the child's parent");
    ok(GetAncestor(child, GA_ROOT) == parent && GetAncestor(parent, GA_ROOT) == parent,
       "the top-level window it sits in");
    ok(GetWindow(parent, GW_CHILD) == child, "GW_CHILD");
    Log().Clear();
    ok(DestroyWindow(parent), "DestroyWindow");
    ok_sequence(Log(),
                (std::vector<Expected>{{WM_DESTROY}, {WM_DESTROY}, {WM_NCDESTROY}, {WM_NCDESTROY}}),
                "destroying a parent with one child");
    ok(!IsWindow(parent) && !IsWindow(child), "both are gone");
    ok(!DestroyWindow(parent), "a second DestroyWindow fails");
}

CONFORMANCE_TEST(ShowingAWindowActivatesItAndMovesTheFocus) {
    const HWND first = CreateLogged(WS_OVERLAPPEDWINDOW);
    const HWND second = CreateLogged(WS_OVERLAPPEDWINDOW);
    ShowWindow(first, SW_SHOW);
    ok(GetActiveWindow() == first && GetFocus() == first, "the shown window is active");
    Log().Clear();
    ShowWindow(second, SW_SHOW);
    ok_sequence(Log(),
                (std::vector<Expected>{{WM_ACTIVATE, false, true, WA_INACTIVE},
                                       {WM_ACTIVATE, false, true, WA_ACTIVE},
                                       {WM_KILLFOCUS},
                                       {WM_SETFOCUS},
                                       {WM_SIZE}}),
                "showing a second window");
    ok(GetActiveWindow() == second && GetFocus() == second, "it took activation and focus");
    ok(IsAbove(second, first), "and it is above the first");
    DestroyWindow(second);
    DestroyWindow(first);
}

CONFORMANCE_TEST(ATopmostWindowStaysAboveOthersBroughtToTheTop) {
    const HWND topmost = CreateLogged(WS_POPUP | WS_VISIBLE);
    const HWND ordinary = CreateLogged(WS_POPUP | WS_VISIBLE);
    ok(SetWindowPos(topmost, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE),
       "SetWindowPos HWND_TOPMOST");
    ok(IsAbove(topmost, ordinary), "the topmost window is above");
    SetWindowPos(ordinary, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ok(IsAbove(topmost, ordinary), "and stays above an ordinary window brought to the top");
    SetWindowPos(topmost, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(ordinary, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ok(IsAbove(ordinary, topmost), "no longer topmost, it can be covered");
    DestroyWindow(ordinary);
    DestroyWindow(topmost);
}

CONFORMANCE_TEST(ClientAreaArithmetic) {
    const DWORD styles[] = {WS_OVERLAPPEDWINDOW, WS_POPUP, WS_POPUP | WS_CAPTION | WS_SYSMENU};
    for (const DWORD style : styles) {
        RECT frame{100, 50, 100 + 320, 50 + 240};
        ok(AdjustWindowRectEx(&frame, style, FALSE, 0), "AdjustWindowRectEx");
        const HWND window = CreateLogged(style, nullptr, frame.left, frame.top,
                                         frame.right - frame.left, frame.bottom - frame.top);
        RECT client{};
        GetClientRect(window, &client);
        ok(client.left == 0 && client.top == 0 && client.right == 320 && client.bottom == 240,
           "style %08lx: client %ld x %ld", static_cast<unsigned long>(style),
           static_cast<long>(client.right), static_cast<long>(client.bottom));
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        ok(origin.x == 100 && origin.y == 50, "style %08lx: client origin (%ld, %ld)",
           static_cast<unsigned long>(style), static_cast<long>(origin.x),
           static_cast<long>(origin.y));
        POINT back = origin;
        ScreenToClient(window, &back);
        ok(back.x == 0 && back.y == 0, "ScreenToClient undoes ClientToScreen");
        DestroyWindow(window);
    }
    ok(GetSystemMetrics(SM_CXSCREEN) >= 640 && GetSystemMetrics(SM_CYSCREEN) >= 480,
       "the screen is %d x %d", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

CONFORMANCE_TEST(WindowTextGoesThroughTheWindowProcedure) {
    const HWND window = CreateLogged(WS_OVERLAPPEDWINDOW);
    Log().Clear();
    ok(SetWindowTextA(window, "(100, 100) - (500, 400) 400 x 300"), "SetWindowTextA");
    ok_sequence(Log(), (std::vector<Expected>{{WM_SETTEXT}}), "SetWindowTextA");
    char text[64] = {};
    ok(GetWindowTextA(window, text, sizeof text) == 33, "GetWindowTextA's length");
    ok(std::string(text) == "(100, 100) - (500, 400) 400 x 300", "the text: %s", text);
    char small[6] = {};
    ok(GetWindowTextA(window, small, sizeof small) == 5 && std::string(small) == "(100,",
       "a short buffer takes what fits: %s", small);
    DestroyWindow(window);
}

CONFORMANCE_TEST(EnableWindowSaysWhetherItWasDisabled) {
    const HWND window = CreateLogged(WS_OVERLAPPEDWINDOW);
    Log().Clear();
    ok(EnableWindow(window, FALSE) == FALSE, "it was enabled");
    ok(!IsWindowEnabled(window), "now disabled");
    ok((GetWindowLongA(window, GWL_STYLE) & WS_DISABLED) != 0, "WS_DISABLED in its style");
    ok(EnableWindow(window, FALSE) != FALSE, "it was disabled");
    ok(EnableWindow(window, TRUE) != FALSE, "it was disabled");
    ok_sequence(
        Log(),
        (std::vector<Expected>{{WM_ENABLE, false, true, FALSE}, {WM_ENABLE, false, true, TRUE}}),
        "WM_ENABLE only on a change");
    DestroyWindow(window);
}

// The system's controls keep their state behind the window's extra bytes: zeroed at
// creation, read and written whole, refused past the end.
CONFORMANCE_TEST(ExtraBytesHoldValuesAndRefuseIndexesPastTheEnd) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ConformanceExtraBytes";
    windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const int second = sizeof(LONG_PTR);
    ok(GetWindowLongPtrA(window, 0) == 0 && GetWindowLongPtrA(window, second) == 0,
       "zeroed at creation");
    ok(SetWindowLongPtrA(window, second, 0x1234) == 0, "the previous value is returned");
    ok(SetWindowLongPtrA(window, second, 0x5678) == 0x1234, "and again");
    ok(GetWindowLongPtrA(window, second) == 0x5678 && GetWindowLongPtrA(window, 0) == 0,
       "each value in its place");
    SetLastError(0);
    ok(GetWindowLongPtrA(window, 2 * second) == 0 && GetLastError() == ERROR_INVALID_INDEX,
       "past the end: %lu", GetLastError());
    SetLastError(0);
    ok(SetWindowLongPtrA(window, second + 1, 1) == 0 && GetLastError() == ERROR_INVALID_INDEX,
       "a value that would not fit whole: %lu", GetLastError());
    DestroyWindow(window);
}
