// The default window procedure: what a window does with a message its own procedure passes on.
#include "platform/sim/imm32/imm32_state.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <cstring>

namespace {

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || size == 0) {
        return 0;
    }
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
    return static_cast<LRESULT>(length);
}

// Where on a window a screen point lies: outside, in the client area, the close box or the
// caption.
LRESULT HitTest(HWND window, POINT point) {
    RECT rect{};
    GetWindowRect(window, &rect);
    if (!PtInRect(&rect, point)) {
        return HTNOWHERE;
    }
    POINT client = point;
    ScreenToClient(window, &client);
    RECT clientRect{};
    GetClientRect(window, &clientRect);
    if (PtInRect(&clientRect, client)) {
        return HTCLIENT;
    }
    const sim::Window* w = sim::Windows().Find(window);
    if ((w->style & WS_CAPTION) == WS_CAPTION && client.y < 0) {
        const bool closeBox = (w->style & WS_SYSMENU) && point.x >= rect.right - 22;
        return closeBox ? HTCLOSE : HTCAPTION;
    }
    return HTNOWHERE;
}

} // namespace

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    sim::Window* w = sim::Windows().Find(window);
    if (w == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    // Whatever the window was doing with the mouse ends.
    case WM_CANCELMODE:
        if (GetCapture() == window) {
            ReleaseCapture();
        }
        return 0;
    // Creation goes on, the background counts as erased, the session may end, and power
    // events are granted.
    case WM_NCCREATE:
    case WM_ERASEBKGND:
    case WM_QUERYENDSESSION:
    case WM_POWERBROADCAST:
        return TRUE;
    // Painting nothing still validates the window.
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetFocus(window);
        }
        return 0;
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (sim::Watcher() != nullptr) {
            sim::Watcher()->WindowTextChanged(window, w->text);
        }
        return TRUE;
    case WM_GETTEXT:
        return CopyText(w->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_NCHITTEST:
        return HitTest(
            window, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    // The close box and Alt+F4 become SC_CLOSE, and SC_CLOSE becomes WM_CLOSE.
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCLOSE) {
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, lParam);
        }
        return 0;
    // Alt+F4 in any control closes the top-level window it sits in.
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (HIWORD(lParam) & KF_ALTDOWN)) {
            PostMessageA(GetAncestor(window, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            SendMessageA(window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_IME_CONTROL:
        if (wParam == IMC_CLOSESTATUSWINDOW && window == sim::Imm32().imeWindow) {
            sim::Imm32().imeStatusWindowOpen = false;
        }
        return 0;
    default:
        return 0;
    }
}
