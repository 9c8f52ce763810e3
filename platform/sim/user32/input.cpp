// The cursor, the keyboard's state and mouse capture, as the program sees them.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

#include <algorithm>

using sim::World;

BOOL GetCursorPos(LPPOINT point) {
    World& world = World::Current();
    if (point == nullptr || world.cursorFails) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *point = world.cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    World& world = World::Current();
    if (world.cursorFails) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    world.cursor = POINT{std::clamp(x, 0, world.ScreenWidth() - 1),
                         std::clamp(y, 0, world.ScreenHeight() - 1)};
    world.input.PointerMovedBySystem();
    if (world.GetObserver() != nullptr) {
        world.GetObserver()->CursorMovedByProgram(world.cursor);
    }
    return TRUE;
}

// The high bit while the key is down. The simulated keyboard has one queue, so the state is
// the keyboard's at this moment.
SHORT GetKeyState(int virtualKey) {
    const bool down = virtualKey >= 0 && virtualKey < 256 &&
                      World::Current().input.IsDown(static_cast<BYTE>(virtualKey));
    return static_cast<SHORT>(down ? 0x8000 : 0);
}

HWND SetCapture(HWND window) {
    return World::Current().windows.SetCapture(window);
}

BOOL ReleaseCapture() {
    World::Current().windows.SetCapture(nullptr);
    return TRUE;
}

HWND GetCapture() {
    return World::Current().windows.Capture();
}
