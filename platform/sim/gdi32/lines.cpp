// Lines on a window's device context: the current position, raster operations, and reading
// pixels back.
#include "platform/sim/display/screen.h"
#include "platform/sim/gdi32/canvas.h"
#include "platform/sim/include/win32_api.h"

#include <cstdlib>

namespace {

using sim::FindDc;

// The screen holds 0xRRGGBB; the API speaks COLORREF, 0x00BBGGRR.
COLORREF FromScreen(std::uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

// Into the window's surface or a memory bitmap; a context of no window draws straight onto
// the screen, over everything.
void Plot(const sim::DeviceContext& context, int x, int y) {
    const sim::Canvas canvas = sim::CanvasOf(context);
    if (canvas.image == nullptr) {
        POINT origin{0, 0};
        if (context.window != nullptr) {
            ClientToScreen(context.window, &origin);
        }
        sim::Screen& screen = sim::PrimaryScreen();
        if (context.rop2 == R2_NOT) {
            screen.Invert(x + origin.x, y + origin.y);
        } else if (context.rop2 != R2_NOP) {
            screen.Paint(x + origin.x, y + origin.y, context.rop2 == R2_WHITE);
        }
        return;
    }
    const int px = x + canvas.origin.x;
    const int py = y + canvas.origin.y;
    if (context.rop2 == R2_NOT) {
        canvas.image->Set(px, py, ~canvas.image->At(px, py) & 0xFFFFFF);
    } else if (context.rop2 != R2_NOP) {
        canvas.image->Set(px, py, context.rop2 == R2_WHITE ? 0xFFFFFF : 0x000000);
    }
}

} // namespace

int SetROP2(HDC dc, int mode) {
    sim::DeviceContext* context = FindDc(dc);
    if (context == nullptr || mode < R2_BLACK || mode > R2_WHITE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int previous = context->rop2;
    context->rop2 = mode;
    return previous;
}

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
    sim::DeviceContext* context = FindDc(dc);
    if (context == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (previous != nullptr) {
        *previous = context->position;
    }
    context->position = POINT{x, y};
    return TRUE;
}

// From the current position to the point, which is left out, as Windows draws lines; the
// point becomes the current position.
BOOL LineTo(HDC dc, int x, int y) {
    sim::DeviceContext* context = FindDc(dc);
    if (context == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    int x0 = context->position.x;
    int y0 = context->position.y;
    const int dx = std::abs(x - x0);
    const int dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1;
    const int sy = y0 < y ? 1 : -1;
    int error = dx + dy;
    while (x0 != x || y0 != y) {
        Plot(*context, x0, y0);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
    context->position = POINT{x, y};
    return TRUE;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const sim::DeviceContext* context = FindDc(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    sim::ComposeScreen();
    const std::optional<std::uint32_t> pixel = sim::ReadPixel(*context, x, y);
    return pixel ? FromScreen(*pixel) : CLR_INVALID;
}
