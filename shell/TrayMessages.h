// The tray icon's callback message; the Left Button Menu shortcut arrives as one too.
#pragma once

#include "../platform/win32.h"

constexpr UINT WM_TRAYNOTIFY = WM_APP;
