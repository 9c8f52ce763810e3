// What gdi32 keeps: the fonts made and the device contexts handed out.
#pragma once

#include "platform/sim/include/win32_system_types.h"
#include "platform/sim/include/win32_window_types.h"

#include <map>

namespace sim {

// What a device context holds: the window it draws in, the selected font, the raster
// operation and the current position, in the window's client coordinates.
struct DeviceContext {
    HWND window = nullptr;
    void* font = nullptr;
    int rop2 = 13; // R2_COPYPEN
    POINT position{0, 0};
};

struct Gdi32State {
    std::map<HGDIOBJ, LOGFONTA> fonts;
    std::map<HDC, DeviceContext> deviceContexts;
};

Gdi32State& Gdi32();

} // namespace sim
