// Sending, posting and getting messages, and timers.
#include "platform/sim/advapi32/registry.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

using sim::World;

namespace {

sim::WindowManager& Windows() {
    return World::Current().windows;
}

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
    auto& registered = World::Current().registeredMessages;
    const auto found =
        registered.try_emplace(sim::LowerCase(name), static_cast<UINT>(0xC000 + registered.size()));
    return found.first->second;
}

void PostQuitMessage(int exitCode) {
    Windows().PostQuit(exitCode);
}

BOOL GetMessageA(LPMSG message, HWND, UINT, UINT) {
    World& world = World::Current();
    for (;;) {
        if (world.windows.NextMessage(*message)) {
            return TRUE;
        }
        if (world.windows.QuitPosted() || !world.User().Idle()) {
            *message = MSG{nullptr, WM_QUIT,     static_cast<WPARAM>(world.windows.ExitCode()),
                           0,       world.Now(), POINT{0, 0}};
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
