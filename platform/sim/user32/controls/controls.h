// The system's own window classes, there in every process before the program registers any.
#pragma once

#include "platform/sim/include/win32_window_types.h"

namespace sim {

class WindowManager;

void RegisterControlClasses(WindowManager& windows);

LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The height of a row of the list a combo box opens.
constexpr int kComboItemHeight = 13;
// The list a combo box opens, and the one it has open now (or nullptr).
void RegisterComboListClass(WindowManager& windows);
HWND ComboBoxOpenList(HWND combo);

} // namespace sim
