// What other programs do with their own windows, as the user sees them do it: one brings a
// window to the foreground with the keyboard focus in it, shows its text caret somewhere, or
// takes the caret away; moves or resizes a window, hides or shows it, or closes it. The
// program reads it as it reads any other program (GetGUIThreadInfo, GetClientRect, ...).
#pragma once

#include "platform/sim/include/win32_window_types.h"

namespace sim {

// The window's program makes it its focus and brings its top-level window to the foreground.
void FocusOtherProgramsWindow(HWND window);
// The window's program shows its caret there, in the window's client coordinates.
void PlaceOtherProgramsCaret(HWND window, RECT caret);
void RemoveOtherProgramsCaret(HWND window);
// The window's program gives it a new window rectangle, in screen coordinates (as
// SetWindowPos does, without activating it); hides or shows it; or destroys it. False when it
// is no other program's window.
bool PlaceOtherProgramsWindow(HWND window, RECT rect);
bool ShowOtherProgramsWindow(HWND window, bool show);
bool CloseOtherProgramsWindow(HWND window);

} // namespace sim
