// STATIC: text and icons that take no input. Without SS_NOTIFY a static control is transparent
// to the mouse, so a click lands on the window beneath it.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/controls/controls.h"
#include "platform/sim/user32/user32_state.h"

namespace sim {

LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST: {
        const Window* w = sim::Windows().Find(window);
        return w && (w->style & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    }
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_SETFONT:
        if (Window* w = sim::Windows().Find(window)) {
            w->font = reinterpret_cast<HGDIOBJ>(wParam);
        }
        return 0;
    case WM_GETFONT: {
        const Window* w = sim::Windows().Find(window);
        return w ? reinterpret_cast<LRESULT>(w->font) : 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace sim
