// The TV position and size presets, as {horizontal offset, vertical offset, horizontal size,
// vertical size} in device units.
#pragma once

#include "../platform/win32.h"

extern const RECT g_rcTvNtscUnderscan;
extern const RECT g_rcTvNtscOverscan;
extern const RECT g_rcTvPalUnderscan;
extern const RECT g_rcTvPalOverscan;
