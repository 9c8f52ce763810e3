// Windows asking to be painted: update regions (kept whole), WM_PAINT, BeginPaint and EndPaint.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/user32_state.h"

BOOL InvalidateRect(HWND window, const RECT*, BOOL erase) {
    if (sim::Windows().Find(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    sim::Windows().Invalidate(window, erase != FALSE, false);
    return TRUE;
}

// Paints at once, without the queue, when the window waits for it.
BOOL UpdateWindow(HWND window) {
    const sim::Window* w = sim::Windows().Find(window);
    if (w == nullptr) {
        return FALSE;
    }
    if (w->needsPaint && IsWindowVisible(window)) {
        sim::Windows().Send(window, WM_PAINT, 0, 0);
    }
    return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    sim::Window* w = sim::Windows().Find(window);
    if (w == nullptr || paint == nullptr) {
        SetLastError(w == nullptr ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const bool erase = w->needsErase;
    w->needsPaint = false;
    w->needsErase = false;
    *paint = PAINTSTRUCT{};
    paint->hdc = GetDC(window);
    GetClientRect(window, &paint->rcPaint);
    paint->fErase = erase && sim::Windows().Send(window, WM_ERASEBKGND,
                                                 reinterpret_cast<WPARAM>(paint->hdc), 0) == 0;
    return paint->hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (paint != nullptr) {
        ReleaseDC(window, paint->hdc);
    }
    return TRUE;
}
