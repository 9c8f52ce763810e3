#include "platform/sim/control/other_programs.h"

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

} // namespace sim
