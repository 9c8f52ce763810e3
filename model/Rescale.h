// Moving a rectangle from one screen size to another, rounding to the nearest pixel.
#pragma once

#include "../platform/win32.h"

// (to * x + from / 2) / from in 32-bit signed arithmetic, wrapping as the processor does.
LONG RescaleCoordinate(LONG x, int from, int to);

// Rescales the axes whose size changed. False, leaving the rectangle as it was, when a size
// it would divide by is not positive.
bool RescaleRect(RECT& rect, int fromWidth, int fromHeight, int toWidth, int toHeight);
