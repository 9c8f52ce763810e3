// Trackbars as the Normal page uses them: a signed range, line and page sizes, and the
// WM_HSCROLL notifications of the keyboard and of a dragged thumb.
#include "tests/conformance/harness.h"

#include <vector>

using conformance::Log;

namespace {

constexpr int kSliderId = 3001;

struct Slider {
    HWND parent;
    HWND trackbar;
};

Slider CreateSlider() {
    InitCommonControls();
    const HWND parent =
        CreateWindowExA(0, conformance::LoggingClass(), "parent", WS_POPUP | WS_VISIBLE, 100, 100,
                        320, 80, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowPos(parent, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const HWND trackbar = CreateWindowExA(
        0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS, 10, 10, 280, 30,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSliderId)), GetModuleHandleA(nullptr),
        nullptr);
    return Slider{parent, trackbar};
}

// The scroll codes the parent heard, with the position for the thumb's codes.
std::vector<WPARAM> Scrolls() {
    std::vector<WPARAM> scrolls;
    for (const conformance::LoggedMessage& m : Log().Messages()) {
        if (m.message == WM_HSCROLL) {
            scrolls.push_back(m.wParam);
        }
    }
    return scrolls;
}

LRESULT Position(HWND trackbar) {
    return SendMessageA(trackbar, TBM_GETPOS, 0, 0);
}

void Key(HWND trackbar, WPARAM key) {
    PostMessageA(trackbar, WM_KEYDOWN, key, 1);
    PostMessageA(trackbar, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    conformance::PumpMessages(0);
}

} // namespace

CONFORMANCE_TEST(TrackbarKeepsItsPositionInsideASignedRange) {
    const Slider slider = CreateSlider();
    ok(slider.trackbar != nullptr, "a trackbar is created: %lu", GetLastError());
    SendMessageA(slider.trackbar, TBM_SETRANGE, FALSE, MAKELPARAM(-128, 127));
    ok(SendMessageA(slider.trackbar, TBM_GETRANGEMIN, 0, 0) == -128, "a negative minimum");
    ok(SendMessageA(slider.trackbar, TBM_GETRANGEMAX, 0, 0) == 127, "the maximum");
    ok(Position(slider.trackbar) == 0, "the position stays inside: %ld",
       static_cast<long>(Position(slider.trackbar)));
    SendMessageA(slider.trackbar, TBM_SETPOS, TRUE, -500);
    ok(Position(slider.trackbar) == -128, "set below the range: the minimum");
    SendMessageA(slider.trackbar, TBM_SETPOS, TRUE, 500);
    ok(Position(slider.trackbar) == 127, "set above it: the maximum");
    SendMessageA(slider.trackbar, TBM_SETLINESIZE, 0, 6);
    ok(SendMessageA(slider.trackbar, TBM_SETPAGESIZE, 0, 12) == 51,
       "the page size was a fifth of the range");
    ok(SendMessageA(slider.trackbar, TBM_GETLINESIZE, 0, 0) == 6 &&
           SendMessageA(slider.trackbar, TBM_GETPAGESIZE, 0, 0) == 12,
       "line and page sizes");
    DestroyWindow(slider.parent);
}

CONFORMANCE_TEST(TrackbarTellsEveryKeyStepAndItsEnd) {
    const Slider slider = CreateSlider();
    SendMessageA(slider.trackbar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 63));
    SendMessageA(slider.trackbar, TBM_SETLINESIZE, 0, 1);
    SendMessageA(slider.trackbar, TBM_SETPAGESIZE, 0, 3);
    SendMessageA(slider.trackbar, TBM_SETPOS, TRUE, 62);
    SetFocus(slider.trackbar);
    Log().Clear();
    Key(slider.trackbar, VK_RIGHT);
    ok(Position(slider.trackbar) == 63, "Right moves a line");
    ok(Scrolls() == (std::vector<WPARAM>{TB_LINEDOWN, TB_ENDTRACK}),
       "a line down, then the end of the move: %s", Log().Describe().c_str());
    Log().Clear();
    Key(slider.trackbar, VK_RIGHT);
    ok(Position(slider.trackbar) == 63, "at the maximum it stays");
    ok(Scrolls() == (std::vector<WPARAM>{TB_ENDTRACK}), "and tells only the key's release: %s",
       Log().Describe().c_str());
    Log().Clear();
    Key(slider.trackbar, VK_HOME);
    ok(Position(slider.trackbar) == 0, "Home goes to the minimum");
    ok(Scrolls() == (std::vector<WPARAM>{TB_TOP, TB_ENDTRACK}), "as TB_TOP: %s",
       Log().Describe().c_str());
    Log().Clear();
    Key(slider.trackbar, VK_NEXT);
    ok(Position(slider.trackbar) == 3, "Page Down moves a page");
    ok(Scrolls() == (std::vector<WPARAM>{TB_PAGEDOWN, TB_ENDTRACK}), "as TB_PAGEDOWN: %s",
       Log().Describe().c_str());
    DestroyWindow(slider.parent);
}

CONFORMANCE_TEST(TrackbarThumbDraggedToTheEnd) {
    const Slider slider = CreateSlider();
    SendMessageA(slider.trackbar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 8));
    SendMessageA(slider.trackbar, TBM_SETPOS, TRUE, 4);
    RECT thumb{};
    SendMessageA(slider.trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int x = (thumb.left + thumb.right) / 2;
    const int y = (thumb.top + thumb.bottom) / 2;
    ok(thumb.right > thumb.left && thumb.bottom > thumb.top, "the thumb has a place");
    Log().Clear();
    PostMessageA(slider.trackbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(slider.trackbar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(279, y));
    PostMessageA(slider.trackbar, WM_LBUTTONUP, 0, MAKELPARAM(279, y));
    conformance::PumpMessages(0);
    ok(Position(slider.trackbar) == 8, "the thumb at the right end is the maximum: %ld",
       static_cast<long>(Position(slider.trackbar)));
    ok(Scrolls() ==
           (std::vector<WPARAM>{MAKEWPARAM(TB_THUMBTRACK, 8), MAKEWPARAM(TB_THUMBPOSITION, 8),
                                TB_ENDTRACK, TB_ENDTRACK}),
       "tracked, let go at its position, ended, and ended again as the capture goes: %s",
       Log().Describe().c_str());
    ok(GetCapture() == nullptr, "the mouse is let go");
    DestroyWindow(slider.parent);
}
