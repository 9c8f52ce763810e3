// The desktop as its windows paint themselves: the background, then each visible top-level
// window from the bottom of the z-order up, with its frame, caption and client area, and the
// controls of the program's dialogs and indicator as plain boxes and text.
#pragma once

#include "platform/sim/picture/image.h"

namespace sim {

class WindowManager;

void PaintDesktop(const WindowManager& windows, Image& image);

} // namespace sim
