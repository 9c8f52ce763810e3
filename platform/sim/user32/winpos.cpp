// Screen and client coordinates, and which window lies under a point.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/user32_state.h"

using sim::Window;
namespace {

bool TakesPoint(const Window& window, POINT point) {
    // A disabled child lets the point through to its parent; a disabled top-level window
    // still owns it.
    const bool disabledChild = (window.style & WS_CHILD) && !window.enabled;
    return window.visible && !disabledChild && PtInRect(&window.rect, point);
}

// A child that calls itself transparent (a static text, a group box) lets the point through
// to whatever lies beneath it.
bool Transparent(HWND window, POINT point) {
    const Window* w = sim::Windows().Find(window);
    return (w->style & WS_CHILD) &&
           SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)) == HTTRANSPARENT;
}

// The deepest window at the point inside this one: its topmost child that takes the point,
// that child's own children, and so on; nullptr when this one is transparent there too.
HWND DeepestAt(HWND window, POINT point) {
    for (const HWND child : sim::Windows().Children(window)) {
        if (TakesPoint(*sim::Windows().Find(child), point)) {
            if (const HWND found = DeepestAt(child, point)) {
                return found;
            }
        }
    }
    return Transparent(window, point) ? nullptr : window;
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
    const sim::WindowManager& windows = sim::Windows();
    for (const HWND top : windows.ZOrder()) {
        if (!TakesPoint(*windows.Find(top), point)) {
            continue;
        }
        return DeepestAt(top, point);
    }
    return nullptr;
}

// The first child (in z-order) whose window rectangle holds the point, given in the parent's
// client coordinates; the parent when none does but the point is inside it.
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    const sim::WindowManager& windows = sim::Windows();
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

// From one window's client coordinates to another's; no window is the screen.
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT offset{0, 0};
    if (from != nullptr) {
        ClientToScreen(from, &offset);
    }
    POINT target{0, 0};
    if (to != nullptr) {
        ClientToScreen(to, &target);
    }
    const int dx = static_cast<int>(offset.x - target.x);
    const int dy = static_cast<int>(offset.y - target.y);
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}
