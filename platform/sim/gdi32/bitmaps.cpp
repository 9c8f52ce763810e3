// Memory device contexts, the bitmaps selected into them, and copying pixels between
// contexts: what a program needs to keep a picture of the screen and paint it back.
#include "platform/sim/gdi32/canvas.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"

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
    // A copy of the source first: it may be the destination's own pixels.
    const sim::Pixels read = sim::CopyOfWhatItShows(*from);
    const sim::Image& pixels = read.image;
    for (int row = 0; row < height; ++row) {
        const int fromY = sourceY + row + read.origin.y;
        const int toY = y + row + target.origin.y;
        for (int column = 0; column < width; ++column) {
            const int fromX = sourceX + column + read.origin.x;
            const int toX = x + column + target.origin.x;
            if (pixels.Contains(fromX, fromY) && target.image->Contains(toX, toY)) {
                target.image->pixels[static_cast<std::size_t>(toY * target.image->width + toX)] =
                    pixels.pixels[static_cast<std::size_t>(fromY * pixels.width + fromX)];
            }
        }
    }
    return TRUE;
}
