// Lines on a window's device context: the current position, raster operations, and reading
// pixels back.
#include "platform/sim/display/screen.h"
#include "platform/sim/gdi32/gdi32_state.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/desktop_painter.h"
#include "platform/sim/user32/user32_state.h"

#include <cstdlib>

namespace {

sim::DeviceContext* FindDc(HDC dc) {
    auto& contexts = sim::Gdi32().deviceContexts;
    const auto found = contexts.find(dc);
    return found == contexts.end() ? nullptr : &found->second;
}

// The window's client origin on the screen; a DC of no window draws on the screen itself.
POINT Origin(const sim::DeviceContext& context) {
    POINT origin{0, 0};
    if (context.window != nullptr) {
        ClientToScreen(context.window, &origin);
    }
    return origin;
}

// The screen holds 0xRRGGBB; the API speaks COLORREF, 0x00BBGGRR.
COLORREF FromScreen(std::uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

void Plot(const sim::DeviceContext& context, int x, int y) {
    sim::Screen& screen = sim::PrimaryScreen();
    const POINT origin = Origin(context);
    const int sx = x + origin.x;
    const int sy = y + origin.y;
    switch (context.rop2) {
    case R2_NOT:
        screen.Invert(sx, sy);
        break;
    case R2_NOP:
        break;
    case R2_WHITE:
        screen.Paint(sx, sy, true);
        break;
    default: // the default black pen
        screen.Paint(sx, sy, false);
        break;
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
    const POINT origin = Origin(*context);
    // What the screen shows now: the windows as they paint themselves, and what was drawn.
    sim::PaintDesktop(sim::Windows(), sim::PrimaryScreen().Windows());
    const sim::Screen& screen = sim::PrimaryScreen();
    return screen.Contains(x + origin.x, y + origin.y)
               ? FromScreen(screen.Pixel(x + origin.x, y + origin.y))
               : CLR_INVALID;
}
