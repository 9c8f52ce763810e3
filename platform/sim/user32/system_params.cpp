// The screen saver and the monitor power phases, and the broadcast a change sends.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

#include <string>

using sim::World;

BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni) {
    World& world = World::Current();
    BOOL* setting = nullptr;
    switch (action) {
    case SPI_GETSCREENSAVEACTIVE:
    case SPI_SETSCREENSAVEACTIVE:
        setting = &world.powerSaving.screenSaver;
        break;
    case SPI_GETLOWPOWERACTIVE:
    case SPI_SETLOWPOWERACTIVE:
        setting = &world.powerSaving.lowPower;
        break;
    case SPI_GETPOWEROFFACTIVE:
    case SPI_SETPOWEROFFACTIVE:
        setting = &world.powerSaving.powerOff;
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
    world.powerSavingCalls.push_back(std::to_string(action) + " " + std::to_string(uiParam));
    if (winIni & SPIF_SENDWININICHANGE) {
        for (const HWND window : world.windows.TopLevelWindows()) {
            world.windows.Send(window, WM_SETTINGCHANGE, action, 0);
        }
    }
    return TRUE;
}
