// Screen and client coordinates, and which window lies under a point.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

using sim::Window;
using sim::World;

namespace {

bool TakesPoint(const Window& window, POINT point) {
    // A disabled child lets the point through to its parent; a disabled top-level window
    // still owns it.
    const bool disabledChild = (window.style & WS_CHILD) && !window.enabled;
    return window.visible && !disabledChild && PtInRect(&window.rect, point);
}

// The topmost child under the point, then its own children, down to the deepest.
HWND DeepestChildAt(HWND parent, POINT point) {
    for (const HWND child : World::Current().windows.Children(parent)) {
        const Window* w = World::Current().windows.Find(child);
        if (TakesPoint(*w, point)) {
            return DeepestChildAt(child, point);
        }
    }
    return parent;
}

} // namespace

BOOL ScreenToClient(HWND window, LPPOINT point) {
    POINT origin{0, 0};
    if (point == nullptr || !ClientToScreen(window, &origin)) {
        return FALSE;
    }
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    const sim::WindowManager& windows = World::Current().windows;
    for (const HWND top : windows.ZOrder()) {
        if (!TakesPoint(*windows.Find(top), point)) {
            continue;
        }
        HWND found = DeepestChildAt(top, point);
        // A window that calls itself transparent (a static text) passes the point to its
        // parent.
        while (found != top && SendMessageA(found, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)) ==
                                   HTTRANSPARENT) {
            found = GetParent(found);
        }
        return found;
    }
    return nullptr;
}

// The first child (in z-order) whose window rectangle holds the point, given in the parent's
// client coordinates; the parent when none does but the point is inside it.
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    const sim::WindowManager& windows = World::Current().windows;
    RECT client{};
    if (!GetClientRect(parent, &client) || !PtInRect(&client, point)) {
        return nullptr;
    }
    POINT screen = point;
    ClientToScreen(parent, &screen);
    for (const HWND child : windows.Children(parent)) {
        const Window* w = windows.Find(child);
        const bool skip = ((flags & CWP_SKIPINVISIBLE) && !w->visible) ||
                          ((flags & CWP_SKIPDISABLED) && !w->enabled) ||
                          ((flags & CWP_SKIPTRANSPARENT) && (w->exStyle & WS_EX_TRANSPARENT));
        if (!skip && PtInRect(&w->rect, screen)) {
            return child;
        }
    }
    return parent;
}
