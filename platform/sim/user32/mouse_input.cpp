#include "platform/sim/user32/mouse_input.h"

#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/user32_state.h"

namespace sim {

namespace {

bool Held(BYTE vk) {
    return User32().keysDown.count(vk) != 0;
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
        Windows().Post(target, clientMessage, MouseKeys(), MAKELPARAM(client.x, client.y));
    } else if (nonClientMessage != 0) {
        Windows().Post(target, nonClientMessage, static_cast<WPARAM>(hit),
                       MAKELPARAM(screen.x, screen.y));
    }
}

} // namespace sim
