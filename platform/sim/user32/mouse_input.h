// Where the system sends mouse input: to the window holding the capture, else to the window
// under the pointer if it is the program's and enabled.
#pragma once

#include "platform/sim/include/win32_window_types.h"

namespace sim {

// The MK_ flags of the buttons and modifier keys held now.
WPARAM MouseKeys();

// Posts a mouse message for the pointer where it is now: the client message inside the
// target's client area, the non-client one (if any) elsewhere, with the hit-test code. A
// press becomes a double-click as Windows makes one.
void PostMouseInput(UINT clientMessage, UINT nonClientMessage);

// A button goes down or up, as the user's hand or SendInput does it: the display's idle time
// restarts, and a press on an inactive window of the program activates it first.
void PressMouseButton(bool left);
void ReleaseMouseButton(bool left);

} // namespace sim
