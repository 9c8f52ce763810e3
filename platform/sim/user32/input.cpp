// The cursor, the keyboard's state and mouse capture, as the program sees them.
#include "platform/sim/display/screen.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/user32/mouse_input.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>

BOOL GetCursorPos(LPPOINT point) {
    if (point == nullptr || sim::User32().cursorFails) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *point = sim::User32().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    if (sim::User32().cursorFails) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    sim::User32().cursor = POINT{std::clamp(x, 0, sim::PrimaryScreen().Width() - 1),
                                 std::clamp(y, 0, sim::PrimaryScreen().Height() - 1)};
    // The window under the pointer hears of the move once its message loop runs again.
    sim::PostMouseInput(WM_MOUSEMOVE, 0);
    if (sim::Watcher() != nullptr) {
        sim::Watcher()->CursorMovedByProgram(sim::User32().cursor);
    }
    return TRUE;
}

// The high bit while the key is down. The simulated keyboard has one queue, so the state is
// the keyboard's at this moment.
SHORT GetKeyState(int virtualKey) {
    const bool down = virtualKey >= 0 && virtualKey < 256 &&
                      sim::User32().keysDown.count(static_cast<BYTE>(virtualKey)) != 0;
    return static_cast<SHORT>(down ? 0x8000 : 0);
}

HWND SetCapture(HWND window) {
    return sim::Windows().SetCapture(window);
}

BOOL ReleaseCapture() {
    sim::Windows().SetCapture(nullptr);
    return TRUE;
}

HWND GetCapture() {
    return sim::Windows().Capture();
}

// The mouse's buttons, one event after another; a keyboard event is not simulated here (the
// input layer types keys), and stops the run.
UINT SendInput(UINT count, INPUT* inputs, int size) {
    if (inputs == nullptr || size != static_cast<int>(sizeof(INPUT))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (UINT i = 0; i < count; ++i) {
        if (inputs[i].type != INPUT_MOUSE) {
            SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
            return i;
        }
        const DWORD flags = inputs[i].mi.dwFlags;
        if (flags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN)) {
            sim::PressMouseButton((flags & MOUSEEVENTF_LEFTDOWN) != 0);
        }
        if (flags & (MOUSEEVENTF_LEFTUP | MOUSEEVENTF_RIGHTUP)) {
            sim::ReleaseMouseButton((flags & MOUSEEVENTF_LEFTUP) != 0);
        }
    }
    return count;
}
