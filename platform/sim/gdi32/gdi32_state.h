// What gdi32 keeps: the fonts and bitmaps made and the device contexts handed out.
#pragma once

#include "platform/sim/include/win32_system_types.h"
#include "platform/sim/include/win32_window_types.h"
#include "platform/sim/picture/image.h"

#include <cstdint>
#include <map>

namespace sim {

// What a device context holds: the window it draws in (none: the screen), or for a memory
// context the bitmap selected into it; the selected font, the raster operation and the
// current position, in the window's client coordinates.
struct DeviceContext {
    HWND window = nullptr;
    void* font = nullptr;
    int rop2 = 13; // R2_COPYPEN
    POINT position{0, 0};
    bool memory = false;
    HGDIOBJ bitmap = nullptr;
};

// The one-pixel bitmap every memory device context starts with.
inline HGDIOBJ StockBitmap() {
    return reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(0x0185));
}

struct Gdi32State {
    std::map<HGDIOBJ, LOGFONTA> fonts;
    std::map<HGDIOBJ, Image> bitmaps;
    std::map<HDC, DeviceContext> deviceContexts;
};

Gdi32State& Gdi32();

DeviceContext* FindDc(HDC dc);

} // namespace sim
