// Memory device contexts, the bitmaps selected into them, and copying pixels between
// contexts: what a program needs to keep a picture of the screen and paint it back.
#include "platform/sim/gdi32/canvas.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

#include <algorithm>

HDC CreateCompatibleDC(HDC dc) {
    if (dc != nullptr && sim::FindDc(dc) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const HDC memory = static_cast<HDC>(sim::Kernel32().NewHandle());
    sim::DeviceContext context;
    context.memory = true;
    context.bitmap = sim::StockBitmap();
    sim::Gdi32().deviceContexts[memory] = context;
    return memory;
}

// Of the screen's format; what it holds is undefined until drawn, here black.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (sim::FindDc(dc) == nullptr || width < 0 || height < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HBITMAP bitmap = static_cast<HBITMAP>(sim::Kernel32().NewHandle());
    sim::Gdi32().bitmaps[bitmap] = sim::Image(width, height, 0x000000);
    return bitmap;
}

BOOL DeleteDC(HDC dc) {
    return sim::Gdi32().deviceContexts.erase(dc) == 1;
}

// SRCCOPY only. The source is read as it shows (the screen composed); the destination is a
// memory bitmap or the surface of a window that paints itself. Pixels outside either are
// left alone.
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD operation) {
    const sim::DeviceContext* to = sim::FindDc(destination);
    const sim::DeviceContext* from = sim::FindDc(source);
    if (to == nullptr || from == nullptr || operation != SRCCOPY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const sim::Canvas target = sim::CanvasOf(*to);
    if (target.image == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // A memory bitmap is read where it lies, unless it is the destination itself; the screen
    // is read as composed now, a copy in any case.
    const sim::Canvas bitmap = sim::CanvasOf(*from);
    sim::Pixels composed;
    const bool inPlace = from->memory && bitmap.image != nullptr && bitmap.image != target.image;
    if (!inPlace) {
        composed = sim::CopyOfWhatItShows(*from);
    }
    const sim::Image& pixels = inPlace ? *bitmap.image : composed.image;
    const POINT read = inPlace ? POINT{0, 0} : composed.origin;
    // The rectangle clipped to both images, so that each row is one copy.
    const int fromLeft = sourceX + read.x;
    const int fromTop = sourceY + read.y;
    const int toLeft = x + target.origin.x;
    const int toTop = y + target.origin.y;
    const int skipX = std::max({0, -fromLeft, -toLeft});
    const int skipY = std::max({0, -fromTop, -toTop});
    const int columns =
        std::min({width, pixels.width - fromLeft, target.image->width - toLeft}) - skipX;
    const int rows =
        std::min({height, pixels.height - fromTop, target.image->height - toTop}) - skipY;
    for (int row = skipY; columns > 0 && row < skipY + rows; ++row) {
        const auto line =
            pixels.pixels.begin() + ((fromTop + row) * pixels.width + fromLeft + skipX);
        std::copy(line, line + columns,
                  target.image->pixels.begin() +
                      ((toTop + row) * target.image->width + toLeft + skipX));
    }
    return TRUE;
}
