// The view's modes, named by the tray commands that start them: the overlay modes, which
// cover the screen while an area or a window is picked, and the trace modes, which follow
// the pointer (or the keyboard's focus, or a window) with the overlay hidden.
#pragma once

#include "../res/resource.h"

inline bool IsOverlayMode(int nMode) {
    return nMode == ID_SELECT_AREA || nMode == ID_SELECT_WINDOW || nMode == ID_QUARTER_SCREEN ||
           nMode == ID_SIXTEENTH_SCREEN;
}

// The overlay modes that show the working selection as a frame.
inline bool IsFramedMode(int nMode) {
    return nMode == ID_SELECT_AREA || nMode == ID_SELECT_WINDOW;
}

inline bool IsTraceMode(int nMode) {
    return nMode == ID_MOUSE_TRACE_MODE1 || nMode == ID_MOUSE_TRACE_MODE2 ||
           nMode == ID_MOUSE_TRACE_MODE3 || nMode == ID_FOLLOW_FOCUS || nMode == ID_FOLLOW_WINDOW;
}

// The trace modes that follow the pointer, which they place in the area as they start.
inline bool FollowsThePointer(int nMode) {
    return nMode == ID_MOUSE_TRACE_MODE1 || nMode == ID_MOUSE_TRACE_MODE2 ||
           nMode == ID_MOUSE_TRACE_MODE3;
}
