// The pointer, mouse capture, the keyboard's state and the rectangle helpers the view uses.
#include "tests/conformance/harness.h"

CONFORMANCE_TEST(TheCursorGoesWhereItIsPutWithinTheScreen) {
    POINT saved{};
    ok(GetCursorPos(&saved), "GetCursorPos");
    ok(SetCursorPos(300, 250), "SetCursorPos");
    POINT point{};
    GetCursorPos(&point);
    ok(point.x == 300 && point.y == 250, "at (%ld, %ld)", static_cast<long>(point.x),
       static_cast<long>(point.y));
    SetCursorPos(-50, 100000);
    GetCursorPos(&point);
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
