#include "platform/sim/control/other_programs.h"

#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/user32_state.h"

namespace sim {

namespace {

DWORD ThreadOf(HWND window) {
    const Window* w = Windows().Find(window);
    return w != nullptr && w->threadId != kProgramThread ? w->threadId : 0;
}

} // namespace

void FocusOtherProgramsWindow(HWND window) {
    if (const DWORD thread = ThreadOf(window)) {
        User32().otherThreadsFocus[thread] = window;
        Windows().SetForeground(window);
    }
}

void PlaceOtherProgramsCaret(HWND window, RECT caret) {
    if (const DWORD thread = ThreadOf(window)) {
        User32().carets[thread] = {window, caret};
    }
}

void RemoveOtherProgramsCaret(HWND window) {
    if (const DWORD thread = ThreadOf(window)) {
        User32().carets[thread].window = nullptr;
    }
}

// Through the calls a program makes on its own windows, so that they do what the conformance
// tests pin: the frame and its children move together, and the client area keeps its frame.
bool PlaceOtherProgramsWindow(HWND window, RECT rect) {
    if (ThreadOf(window) == 0) {
        return false;
    }
    const Window* w = Windows().Find(window);
    POINT origin{rect.left, rect.top};
    if ((w->style & WS_CHILD) != 0) {
        ScreenToClient(w->parent, &origin);
    }
    return SetWindowPos(window, nullptr, origin.x, origin.y, rect.right - rect.left,
                        rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool ShowOtherProgramsWindow(HWND window, bool show) {
    if (ThreadOf(window) == 0) {
        return false;
    }
    ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
    return true;
}

bool CloseOtherProgramsWindow(HWND window) {
    return ThreadOf(window) != 0 && DestroyWindow(window) != FALSE;
}

} // namespace sim
