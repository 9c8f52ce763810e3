#include "platform/sim/control/input.h"

#include "platform/hook_library.h"
#include "platform/sim/control/world.h"
#include "platform/sim/hook/hook_state.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/mouse_input.h"
#include "platform/sim/user32/user32_state.h"

namespace sim {

namespace {

bool IsModifier(BYTE vk) {
    return vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU;
}

} // namespace

bool Input::IsDown(BYTE vk) const {
    return User32().keysDown.count(vk) != 0;
}

DWORD Input::HeldModifiers() const {
    return (IsDown(VK_SHIFT) ? SHORTCUT_SHIFT : 0) | (IsDown(VK_CONTROL) ? SHORTCUT_CTRL : 0) |
           (IsDown(VK_MENU) ? SHORTCUT_ALT : 0);
}

// Input restarts the display's idle time, and wakes a sleeping display.
void Input::NoteInput() {
    Kernel32().displayIdleSince = Uptime();
}

void Input::SendMouse(UINT clientMessage, UINT nonClientMessage) {
    NoteInput();
    PostMouseInput(clientMessage, nonClientMessage);
    m_world.Pump();
}

void Input::MoveMouse(int x, int y) {
    User32().cursor = POINT{x, y};
    SendMouse(WM_MOUSEMOVE, 0);
}

void Input::PressButton(MouseButton button) {
    PressMouseButton(button == MouseButton::Left);
    m_world.Pump();
}

void Input::ReleaseButton(MouseButton button) {
    ReleaseMouseButton(button == MouseButton::Left);
    m_world.Pump();
}

void Input::Click(MouseButton button) {
    PressButton(button);
    ReleaseButton(button);
}

void Input::ClickAt(int x, int y, MouseButton button) {
    MoveMouse(x, y);
    Click(button);
}

void Input::HoldButton(MouseButton button, DWORD milliseconds) {
    PressButton(button);
    m_world.RunFor(milliseconds);
    ReleaseButton(button);
}

void Input::ClickWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void Input::ClickCloseBox(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    ClickAt(rect.right - 10, rect.top + 10);
}

void Input::ClickTaskbarButton(HWND window) {
    NoteInput();
    SetForegroundWindow(window);
    m_world.Pump();
}

// Since Windows 10 the wheel scrolls the window under the pointer, active or not.
void Input::TurnWheel(int notches) {
    NoteInput();
    const HWND target = GetCapture() ? GetCapture() : WindowFromPoint(User32().cursor);
    const Window* w = Windows().Find(target);
    if (w == nullptr || w->threadId != kProgramThread || !IsWindowEnabled(target)) {
        return;
    }
    Windows().Post(target, WM_MOUSEWHEEL,
                   MAKEWPARAM(MouseKeys(), static_cast<WORD>(notches * WHEEL_DELTA)),
                   MAKELPARAM(User32().cursor.x, User32().cursor.y));
    m_world.Pump();
}

// A low-level keyboard hook sees a key before any window does, and may swallow it. A held
// shortcut key delivers once; its auto-repeat is swallowed until it is let go.
bool Input::OfferToHook(BYTE vk) {
    HookLibrary& hook = Hook();
    if (!hook.running || IsModifier(vk)) {
        return false;
    }
    if (hook.delivered.count(vk) != 0) {
        return true;
    }
    for (const SHORTCUT_ENTRY* entry : hook.entries) {
        if (entry->vk == vk && entry->flags == HeldModifiers()) {
            hook.delivered.insert(vk);
            Windows().Post(entry->hwnd, entry->message, entry->wParam, entry->lParam);
            m_world.Pump();
            return true;
        }
    }
    return false;
}

bool Input::PressKey(BYTE vk, int repeat) {
    NoteInput();
    bool taken = false;
    for (int i = 0; i < repeat; ++i) {
        const bool wasDown = IsDown(vk);
        User32().keysDown.insert(vk);
        taken = OfferToHook(vk);
        if (taken) {
            continue;
        }
        const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
        if (target == nullptr) {
            continue;
        }
        // With Alt held (and no Ctrl), keys are system keys.
        const bool system = IsDown(VK_MENU) && !IsDown(VK_CONTROL);
        const LPARAM flags = (system ? KF_ALTDOWN : 0) | (wasDown ? KF_REPEAT : 0);
        Windows().Post(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, vk,
                       static_cast<LPARAM>(1 | (flags << 16)));
        m_world.Pump();
    }
    return taken;
}

void Input::ReleaseKey(BYTE vk) {
    NoteInput();
    User32().keysDown.erase(vk);
    Hook().delivered.erase(vk);
    const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (target == nullptr) {
        return;
    }
    const bool system = (IsDown(VK_MENU) || vk == VK_MENU) && !IsDown(VK_CONTROL);
    const LPARAM flags = (system ? KF_ALTDOWN : 0) | KF_REPEAT | KF_UP;
    Windows().Post(target, system ? WM_SYSKEYUP : WM_KEYUP, vk,
                   static_cast<LPARAM>(1 | (flags << 16)));
    m_world.Pump();
}

bool Input::TypeKey(BYTE vk, DWORD modifiers) {
    const BYTE held[] = {static_cast<BYTE>(modifiers & SHORTCUT_CTRL ? VK_CONTROL : 0),
                         static_cast<BYTE>(modifiers & SHORTCUT_ALT ? VK_MENU : 0),
                         static_cast<BYTE>(modifiers & SHORTCUT_SHIFT ? VK_SHIFT : 0)};
    for (const BYTE modifier : held) {
        if (modifier != 0) {
            PressKey(modifier);
        }
    }
    const bool taken = PressKey(vk);
    ReleaseKey(vk);
    for (const BYTE modifier : held) {
        if (modifier != 0) {
            ReleaseKey(modifier);
        }
    }
    return taken;
}

void Input::ClickTrayIcon(MouseButton button) {
    NoteInput();
    const TrayIcon& tray = Shell32().tray;
    if (!tray.present) {
        return;
    }
    const bool left = button == MouseButton::Left;
    Windows().Post(tray.window, tray.callbackMessage, tray.id,
                   left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN);
    Windows().Post(tray.window, tray.callbackMessage, tray.id, left ? WM_LBUTTONUP : WM_RBUTTONUP);
    m_world.Pump();
}

void Input::PressTrayIconMenuKey() {
    NoteInput();
    const TrayIcon& tray = Shell32().tray;
    if (tray.present) {
        Windows().Post(tray.window, tray.callbackMessage, tray.id, WM_CONTEXTMENU);
        m_world.Pump();
    }
}

} // namespace sim
