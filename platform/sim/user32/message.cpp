// Sending, posting and getting messages, and timers.
#include "platform/sim/advapi32/registry.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/user32_state.h"

namespace {

using sim::Windows;

} // namespace

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Windows().Send(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Windows().Post(window, message, wParam, lParam);
}

// One id for each name, whatever its case, from the range Windows keeps for them.
UINT RegisterWindowMessageA(LPCSTR name) {
    if (name == nullptr || *name == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& registered = sim::User32().registeredMessages;
    const auto found =
        registered.try_emplace(sim::LowerCase(name), static_cast<UINT>(0xC000 + registered.size()));
    return found.first->second;
}

void PostQuitMessage(int exitCode) {
    Windows().PostQuit(exitCode);
}

BOOL GetMessageA(LPMSG message, HWND, UINT, UINT) {
    for (;;) {
        if (sim::Windows().NextMessage(*message)) {
            return TRUE;
        }
        if (sim::Windows().QuitPosted() || !sim::User().Idle()) {
            *message = MSG{nullptr, WM_QUIT,    static_cast<WPARAM>(sim::Windows().ExitCode()),
                           0,       sim::Now(), POINT{0, 0}};
            return FALSE;
        }
    }
}

BOOL PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
    return message != nullptr &&
           Windows().Peek(*message, window, filterMin, filterMax, (remove & PM_REMOVE) != 0);
}

BOOL TranslateMessage(const MSG*) {
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* message) {
    return Windows().Dispatch(*message);
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC) {
    return Windows().SetTimer(window, id, elapse);
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    if (!Windows().KillTimer(window, id)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}
