// Drawing the selection frame: R2_NOT lines on a window's device context, which leave out
// their end point, so that the same lines drawn twice leave the screen as it was.
#include "tests/conformance/harness.h"

namespace {

HWND CreateCanvas() {
    const HWND window =
        CreateWindowExA(WS_EX_TOPMOST, conformance::LoggingClass(), "canvas", WS_POPUP | WS_VISIBLE,
                        200, 200, 100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    conformance::PumpMessages(50);
    return window;
}

} // namespace

CONFORMANCE_TEST(NotLinesInvertEveryPixelButTheEndPoint) {
    const HWND canvas = CreateCanvas();
    const HDC dc = GetDC(canvas);
    ok(dc != nullptr, "GetDC");
    ok(SetROP2(dc, R2_NOT) == R2_COPYPEN, "the default raster operation is R2_COPYPEN");
    const COLORREF before[] = {GetPixel(dc, 10, 10), GetPixel(dc, 10, 19), GetPixel(dc, 10, 20),
                               GetPixel(dc, 30, 20)};
    MoveToEx(dc, 10, 10, nullptr);
    LineTo(dc, 10, 20);
    ok(GetPixel(dc, 10, 10) == (~before[0] & 0xFFFFFF), "the start point is inverted");
    ok(GetPixel(dc, 10, 19) == (~before[1] & 0xFFFFFF), "so is the pixel before the end");
    ok(GetPixel(dc, 10, 20) == before[2], "the end point is left out");
    POINT position{};
    MoveToEx(dc, 0, 0, &position);
    ok(position.x == 10 && position.y == 20, "the end point became the current position");
    MoveToEx(dc, 10, 10, nullptr);
    LineTo(dc, 10, 20);
    ok(GetPixel(dc, 10, 10) == before[0] && GetPixel(dc, 10, 19) == before[1],
       "drawn twice, the line is gone");
    ok(GetPixel(dc, 30, 20) == before[3], "nothing else was touched");
    ok(SetROP2(dc, R2_COPYPEN) == R2_NOT, "SetROP2 gives the previous operation back");
    ReleaseDC(canvas, dc);
    DestroyWindow(canvas);
}

CONFORMANCE_TEST(ChildWindowFromPointExSkipsWhatItIsToldTo) {
    const HWND parent = CreateCanvas();
    const auto child = [parent](DWORD exStyle, DWORD style, int x) {
        return CreateWindowExA(exStyle, conformance::LoggingClass(), "", WS_CHILD | style, x, 10,
                               20, 20, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    };
    const HWND visible = child(0, WS_VISIBLE, 0);
    const HWND hidden = child(0, 0, 30);
    const HWND disabled = child(0, WS_VISIBLE | WS_DISABLED, 60);
    const UINT skipAll = CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT;
    ok(ChildWindowFromPointEx(parent, POINT{5, 15}, skipAll) == visible, "a visible child");
    ok(ChildWindowFromPointEx(parent, POINT{35, 15}, skipAll) == parent, "a hidden one skipped");
    ok(ChildWindowFromPointEx(parent, POINT{35, 15}, CWP_ALL) == hidden, "unless asked not to");
    ok(ChildWindowFromPointEx(parent, POINT{65, 15}, skipAll) == parent, "a disabled one skipped");
    ok(ChildWindowFromPointEx(parent, POINT{65, 15}, CWP_SKIPINVISIBLE) == disabled,
       "unless asked not to");
    ok(ChildWindowFromPointEx(parent, POINT{50, 80}, skipAll) == parent, "no child: the parent");
    ok(ChildWindowFromPointEx(parent, POINT{150, 15}, skipAll) == nullptr, "outside: nothing");
    ok((GetWindowLongA(child(WS_EX_TRANSPARENT, WS_VISIBLE, 0), GWL_EXSTYLE) & WS_EX_TRANSPARENT) !=
           0,
       "an extended style is kept");
    DestroyWindow(parent);
}
