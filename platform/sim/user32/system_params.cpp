// The screen saver and the monitor power phases, and the broadcast a change sends.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/user32_state.h"

#include <string>

BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni) {
    BOOL* setting = nullptr;
    switch (action) {
    case SPI_GETSCREENSAVEACTIVE:
    case SPI_SETSCREENSAVEACTIVE:
        setting = &sim::User32().powerSaving.screenSaver;
        break;
    case SPI_GETLOWPOWERACTIVE:
    case SPI_SETLOWPOWERACTIVE:
        setting = &sim::User32().powerSaving.lowPower;
        break;
    case SPI_GETPOWEROFFACTIVE:
    case SPI_SETPOWEROFFACTIVE:
        setting = &sim::User32().powerSaving.powerOff;
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool get = action == SPI_GETSCREENSAVEACTIVE || action == SPI_GETLOWPOWERACTIVE ||
                     action == SPI_GETPOWEROFFACTIVE;
    if (get) {
        if (pvParam == nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        *static_cast<BOOL*>(pvParam) = *setting;
        return TRUE;
    }
    *setting = uiParam != 0;
    sim::User32().powerSavingCalls.push_back(std::to_string(action) + " " +
                                             std::to_string(uiParam));
    if (winIni & SPIF_SENDWININICHANGE) {
        for (const HWND window : sim::Windows().TopLevelWindows()) {
            sim::Windows().Send(window, WM_SETTINGCHANGE, action, 0);
        }
    }
    return TRUE;
}
