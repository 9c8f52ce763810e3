// Where the system sends mouse input: to the window holding the capture, else to the window
// under the pointer if it is the program's and enabled.
#pragma once

#include "platform/sim/include/win32_window_types.h"

namespace sim {

// The MK_ flags of the buttons and modifier keys held now.
WPARAM MouseKeys();

// Posts a mouse message for the pointer where it is now: the client message inside the
// target's client area, the non-client one (if any) elsewhere, with the hit-test code.
void PostMouseInput(UINT clientMessage, UINT nonClientMessage);

} // namespace sim
