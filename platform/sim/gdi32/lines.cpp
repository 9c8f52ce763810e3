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

// Where a line's pixels go: the window's surface or a memory bitmap, or, for a context of no
// window, straight onto the screen over everything. Found once a line.
struct Pen {
    sim::Canvas canvas;
    POINT screenOrigin;
    int rop2;
};

Pen PenOf(const sim::DeviceContext& context) {
    POINT origin{0, 0};
    if (context.window != nullptr) {
        ClientToScreen(context.window, &origin);
    }
    return Pen{sim::CanvasOf(context), origin, context.rop2};
}

void Plot(const Pen& pen, int x, int y) {
    if (pen.canvas.image == nullptr) {
        sim::Screen& screen = sim::PrimaryScreen();
        if (pen.rop2 == R2_NOT) {
            screen.Invert(x + pen.screenOrigin.x, y + pen.screenOrigin.y);
        } else if (pen.rop2 != R2_NOP) {
            screen.Paint(x + pen.screenOrigin.x, y + pen.screenOrigin.y, pen.rop2 == R2_WHITE);
        }
        return;
    }
    sim::Image& image = *pen.canvas.image;
    const int px = x + pen.canvas.origin.x;
    const int py = y + pen.canvas.origin.y;
    if (pen.rop2 == R2_NOT) {
        image.Set(px, py, ~image.At(px, py) & 0xFFFFFF);
    } else if (pen.rop2 != R2_NOP) {
        image.Set(px, py, pen.rop2 == R2_WHITE ? 0xFFFFFF : 0x000000);
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
    const Pen pen = PenOf(*context);
    while (x0 != x || y0 != y) {
        Plot(pen, x0, y0);
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
