// The system's own window classes, there in every process before the program registers any.
#pragma once

#include "platform/sim/include/win32_window_types.h"

namespace sim {

class WindowManager;

void RegisterControlClasses(WindowManager& windows);

LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace sim
