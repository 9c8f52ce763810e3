#include "platform/sim/user32/mouse_input.h"

#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/user32_state.h"

#include <cstdlib>

namespace sim {

namespace {

bool Held(BYTE vk) {
    return User32().keysDown.count(vk) != 0;
}

// The second of two presses of a button on one window, within the double-click time and
// rectangle of the first, is a double-click if the window's class asks for them
// (CS_DBLCLKS); the press after a double-click starts afresh.
UINT AsDoubleClick(UINT message, HWND target, POINT screen) {
    User32State& user = User32();
    User32State::Press& last = user.lastPress;
    const Window* w = Windows().Find(target);
    const WNDCLASSA* windowClass = w ? Windows().FindClass(w->className) : nullptr;
    const bool pair = last.message == message && last.window == target &&
                      Now() - last.time < user.doubleClickTime &&
                      std::abs(screen.x - last.point.x) < user.doubleClickSize.cx / 2 &&
                      std::abs(screen.y - last.point.y) < user.doubleClickSize.cy / 2;
    if (pair && windowClass != nullptr && (windowClass->style & CS_DBLCLKS)) {
        last = User32State::Press{};
        return message == WM_LBUTTONDOWN ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK;
    }
    last = User32State::Press{message, target, Now(), screen};
    return message;
}

} // namespace

WPARAM MouseKeys() {
    return (Held(VK_LBUTTON) ? MK_LBUTTON : 0) | (Held(VK_RBUTTON) ? MK_RBUTTON : 0) |
           (Held(VK_SHIFT) ? MK_SHIFT : 0) | (Held(VK_CONTROL) ? MK_CONTROL : 0);
}

void PostMouseInput(UINT clientMessage, UINT nonClientMessage) {
    const POINT screen = User32().cursor;
    HWND target = GetCapture();
    LRESULT hit = HTCLIENT;
    if (target == nullptr) {
        target = WindowFromPoint(screen);
        const Window* w = Windows().Find(target);
        if (w == nullptr || w->threadId != kProgramThread || !IsWindowEnabled(target)) {
            return;
        }
        hit = SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    }
    if (hit == HTCLIENT) {
        POINT client = screen;
        ScreenToClient(target, &client);
        const bool press = clientMessage == WM_LBUTTONDOWN || clientMessage == WM_RBUTTONDOWN;
        Windows().Post(target, press ? AsDoubleClick(clientMessage, target, screen) : clientMessage,
                       MouseKeys(), MAKELPARAM(client.x, client.y));
    } else if (nonClientMessage != 0) {
        Windows().Post(target, nonClientMessage, static_cast<WPARAM>(hit),
                       MAKELPARAM(screen.x, screen.y));
    }
}

void PressMouseButton(bool left) {
    Kernel32().displayIdleSince = Uptime();
    User32().keysDown.insert(left ? VK_LBUTTON : VK_RBUTTON);
    const HWND under = GetCapture() ? GetCapture() : WindowFromPoint(User32().cursor);
    const HWND top = GetAncestor(under, GA_ROOT);
    const Window* w = Windows().Find(top);
    constexpr DWORD kNoActivate = 0x08000000; // WS_EX_NOACTIVATE: an open list, a tooltip
    if (w != nullptr && w->threadId == kProgramThread && w->enabled &&
        !(w->exStyle & kNoActivate) && top != Windows().Active()) {
        Windows().Activate(top);
    }
    PostMouseInput(left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? WM_NCLBUTTONDOWN : 0);
}

void ReleaseMouseButton(bool left) {
    Kernel32().displayIdleSince = Uptime();
    User32().keysDown.erase(left ? VK_LBUTTON : VK_RBUTTON);
    PostMouseInput(left ? WM_LBUTTONUP : WM_RBUTTONUP, 0);
}

} // namespace sim
