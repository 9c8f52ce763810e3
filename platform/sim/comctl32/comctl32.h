// The common controls: trackbars, tab controls and property sheets.
#pragma once

#include "platform/sim/include/win32_control_types.h"

#include <string>

namespace sim {

class WindowManager;

void RegisterCommonControlClasses(WindowManager& windows);

LRESULT CALLBACK TrackbarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TabWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The text of a tab control's tab, asked of the control as any program would ask it.
std::string TabText(HWND tabs, int index);

// A tab control's display area from its window rectangle, or (larger) the other way round.
void AdjustTabRect(BOOL larger, RECT& rect);

// Where a trackbar's thumb centre lies, in client coordinates, at a position.
int TrackbarThumbCentreFor(HWND trackbar, int position);
// The position a dragged thumb takes with its centre at x (client coordinates).
int TrackbarPositionAt(HWND trackbar, int x);

} // namespace sim
