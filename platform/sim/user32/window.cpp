// The Win32 window and message functions over the machine's window manager.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <cstring>

using sim::Window;
namespace {

using sim::Windows;

// The frame around a client area: borders, the caption and a client edge.
RECT NonClientMargins(DWORD style, DWORD exStyle) {
    const int border = (style & WS_THICKFRAME) ? 4 : (style & WS_BORDER) ? 1 : 0;
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? 19 : 0;
    const int edge = (exStyle & WS_EX_CLIENTEDGE) ? 2 : 0;
    return RECT{border + edge, border + caption + edge, border + edge, border + edge};
}

// The client area in screen coordinates.
RECT ClientOnScreen(const Window& window) {
    if (window.client) {
        return *window.client;
    }
    const RECT margins = NonClientMargins(window.style, window.exStyle);
    RECT client{window.rect.left + margins.left, window.rect.top + margins.top,
                window.rect.right - margins.right, window.rect.bottom - margins.bottom};
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

// The user sees a window appear or go.
void SetVisible(Window& window, bool visible) {
    const bool changed = window.visible != visible;
    window.visible = visible;
    if (changed && visible) {
        Windows().NewSurface(window.handle);
        Windows().Invalidate(window.handle, true, true);
    }
    if (changed && sim::Watcher() != nullptr) {
        sim::Watcher()->WindowVisibilityChanged(window.handle, visible);
    }
}

Window* FindOrFail(HWND handle) {
    Window* window = Windows().Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    }
    return window;
}

void MoveDescendants(HWND parent, int dx, int dy) {
    for (const HWND child : Windows().Children(parent)) {
        Window* w = Windows().Find(child);
        OffsetRect(&w->rect, dx, dy);
        if (w->client) {
            OffsetRect(&*w->client, dx, dy);
        }
        MoveDescendants(child, dx, dy);
    }
}

void Deactivate(HWND handle) {
    sim::WindowManager& windows = Windows();
    if (windows.Active() == handle || windows.Foreground() == handle) {
        for (const HWND next : windows.ZOrder()) {
            const Window* candidate = windows.Find(next);
            if (next != handle && candidate && candidate->visible) {
                windows.SetForeground(next);
                return;
            }
        }
        windows.Send(handle, WM_ACTIVATE, WA_INACTIVE, 0);
    }
}

} // namespace

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!Windows().RegisterClass(*windowClass)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return 0xC000;
}

BOOL GetClassInfoA(HINSTANCE, LPCSTR className, WNDCLASSA* windowClass) {
    const WNDCLASSA* found = className ? Windows().FindClass(className) : nullptr;
    if (found == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return FALSE;
    }
    *windowClass = *found;
    return TRUE;
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE, LPVOID param) {
    if (className == nullptr || Windows().FindClass(className) == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (x == CW_USEDEFAULT) {
        x = 100;
        y = 100;
    }
    if (width == CW_USEDEFAULT) {
        width = 640;
        height = 480;
    }
    const int id = (style & WS_CHILD) ? static_cast<int>(reinterpret_cast<UINT_PTR>(menu)) : 0;
    return Windows().Create(exStyle, className, windowName ? windowName : "", style,
                            RECT{x, y, x + width, y + height}, parent, id, param,
                            sim::kProgramThread);
}

BOOL DestroyWindow(HWND window) {
    if (FindOrFail(window) == nullptr) {
        return FALSE;
    }
    Windows().Destroy(window);
    return TRUE;
}

BOOL IsWindow(HWND window) {
    return Windows().Find(window) != nullptr;
}

BOOL IsWindowVisible(HWND window) {
    // Visible means this window and every parent are shown.
    for (const Window* w = Windows().Find(window); w != nullptr;
         w = (w->style & WS_CHILD) ? Windows().Find(w->parent) : nullptr) {
        if (!w->visible) {
            return FALSE;
        }
    }
    return Windows().Find(window) != nullptr;
}

BOOL IsWindowEnabled(HWND window) {
    const Window* w = Windows().Find(window);
    return w != nullptr && w->enabled;
}

BOOL IsWindowUnicode(HWND window) {
    const Window* w = Windows().Find(window);
    return w != nullptr && w->unicode ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable) {
    Window* w = FindOrFail(window);
    if (w == nullptr) {
        return FALSE;
    }
    // A window being disabled first lets go of the mouse (a held button stops being
    // pushed), and gives up the focus.
    if (!enable) {
        Windows().Send(window, WM_CANCELMODE, 0, 0);
        w = FindOrFail(window);
        if (w == nullptr) {
            return FALSE;
        }
    }
    const BOOL wasDisabled = !w->enabled;
    if (w->enabled != (enable != FALSE)) {
        w->enabled = enable != FALSE;
        if (!enable && GetFocus() == window) {
            SetFocus(nullptr);
        }
        Windows().Send(window, WM_ENABLE, enable, 0);
    }
    return wasDisabled;
}

BOOL ShowWindow(HWND window, int command) {
    Window* w = FindOrFail(window);
    if (w == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = w->visible;
    if (command == SW_HIDE) {
        SetVisible(*w, false);
        if (!(w->style & WS_CHILD)) {
            Deactivate(window);
        }
    } else {
        SetVisible(*w, true);
        // SW_SHOWNA shows a window as it is, without activating it (an open list, a tip).
        if (!(w->style & WS_CHILD) && command != SW_SHOWNA) {
            Windows().Activate(window);
        }
        Windows().SendFirstSize(window);
    }
    return wasVisible;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = FindOrFail(window);
    if (w == nullptr) {
        return FALSE;
    }
    const RECT before = w->rect;
    if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE)) {
        POINT origin{0, 0};
        if ((w->style & WS_CHILD) && w->parent != nullptr) {
            ClientToScreen(w->parent, &origin);
        }
        const int left = (flags & SWP_NOMOVE) ? w->rect.left : x + origin.x;
        const int top = (flags & SWP_NOMOVE) ? w->rect.top : y + origin.y;
        const int width = (flags & SWP_NOSIZE) ? w->rect.right - w->rect.left : cx;
        const int height = (flags & SWP_NOSIZE) ? w->rect.bottom - w->rect.top : cy;
        w->rect = RECT{left, top, left + width, top + height};
        // A client area given apart from the frame keeps its distance from each edge.
        if (w->client) {
            const RECT client = *w->client;
            w->client = RECT{left + client.left - before.left, top + client.top - before.top,
                             w->rect.right - (before.right - client.right),
                             w->rect.bottom - (before.bottom - client.bottom)};
            w->client->right = std::max(w->client->right, w->client->left);
            w->client->bottom = std::max(w->client->bottom, w->client->top);
        }
        // Children keep their place in the parent's client area.
        MoveDescendants(window, w->rect.left - before.left, w->rect.top - before.top);
        if (width != before.right - before.left || height != before.bottom - before.top) {
            Windows().NewSurface(window);
            Windows().Invalidate(window, true, true);
            Windows().SendSize(window);
        }
        w = Windows().Find(window);
        if (w == nullptr) {
            return TRUE;
        }
    }
    if (!(flags & SWP_NOZORDER) && (w->style & WS_CHILD) && insertAfter == HWND_TOP) {
        Windows().BringChildToTop(window);
    }
    if (!(flags & SWP_NOZORDER) && !(w->style & WS_CHILD)) {
        if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            Windows().SetTopmost(window, insertAfter == HWND_TOPMOST);
        } else if (insertAfter == HWND_TOP) {
            Windows().BringToTop(window);
        }
    }
    if (flags & SWP_SHOWWINDOW) {
        SetVisible(*w, true);
    }
    if (flags & SWP_HIDEWINDOW) {
        SetVisible(*w, false);
        Deactivate(window);
    }
    w = Windows().Find(window);
    if (w && w->visible && !(flags & SWP_NOACTIVATE) && !(w->style & WS_CHILD)) {
        Windows().Activate(window);
    }
    return TRUE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
    const Window* w = FindOrFail(window);
    if (w == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = w->rect;
    return TRUE;
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL, DWORD exStyle) {
    if (rect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECT margins = NonClientMargins(style, exStyle);
    *rect = RECT{rect->left - margins.left, rect->top - margins.top, rect->right + margins.right,
                 rect->bottom + margins.bottom};
    return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
    const Window* w = FindOrFail(window);
    if (w == nullptr || rect == nullptr) {
        return FALSE;
    }
    const RECT client = ClientOnScreen(*w);
    *rect = RECT{0, 0, client.right - client.left, client.bottom - client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
    const Window* w = FindOrFail(window);
    if (w == nullptr || point == nullptr) {
        return FALSE;
    }
    const RECT client = ClientOnScreen(*w);
    point->x += client.left;
    point->y += client.top;
    return TRUE;
}

HWND GetParent(HWND window) {
    const Window* w = Windows().Find(window);
    return w ? w->parent : nullptr;
}

HWND GetWindow(HWND window, UINT command) {
    sim::WindowManager& windows = Windows();
    const Window* w = windows.Find(window);
    if (w == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    // Siblings in z-order: children from the first created, top-level windows from the top.
    const std::vector<HWND> siblings =
        (w->style & WS_CHILD) ? windows.Children(w->parent) : windows.ZOrder();
    const auto at = std::find(siblings.begin(), siblings.end(), window);
    switch (command) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return at + 1 < siblings.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV:
        return at != siblings.begin() ? *(at - 1) : nullptr;
    case GW_OWNER:
        return (w->style & WS_CHILD) ? nullptr : w->parent;
    case GW_CHILD: {
        const auto children = windows.Children(window);
        return children.empty() ? nullptr : children.front();
    }
    default:
        return nullptr;
    }
}

HWND GetDlgItem(HWND dialog, int id) {
    if (FindOrFail(dialog) == nullptr) {
        return nullptr;
    }
    for (const HWND child : Windows().Children(dialog)) {
        if (Windows().Find(child)->id == id) {
            return child;
        }
    }
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int GetDlgCtrlID(HWND window) {
    const Window* w = Windows().Find(window);
    return w ? w->id : 0;
}

// Both go through the window's procedure, as on Windows, so a control can react to its text.
BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (FindOrFail(window) == nullptr) {
        return FALSE;
    }
    return Windows().Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

int GetWindowTextA(HWND window, LPSTR text, int maxCount) {
    if (Windows().Find(window) == nullptr || text == nullptr || maxCount <= 0) {
        return 0;
    }
    return static_cast<int>(Windows().Send(window, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                           reinterpret_cast<LPARAM>(text)));
}

int GetClassNameA(HWND window, LPSTR name, int maxCount) {
    const Window* w = FindOrFail(window);
    if (w == nullptr || name == nullptr || maxCount <= 0) {
        return 0;
    }
    const int length = std::min(static_cast<int>(w->className.size()), maxCount - 1);
    std::memcpy(name, w->className.data(), static_cast<std::size_t>(length));
    name[length] = '\0';
    return length;
}

// The parent of a child, or the top-level window a child sits in.
HWND GetAncestor(HWND window, UINT flags) {
    const Window* w = FindOrFail(window);
    if (w == nullptr) {
        return nullptr;
    }
    if (flags == GA_PARENT) {
        return (w->style & WS_CHILD) ? w->parent : nullptr;
    }
    while (w != nullptr && (w->style & WS_CHILD)) {
        window = w->parent;
        w = Windows().Find(window);
    }
    return window;
}

LONG GetWindowLongA(HWND window, int index) {
    const Window* w = FindOrFail(window);
    if (w == nullptr) {
        return 0;
    }
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(w->style | (w->visible ? WS_VISIBLE : 0) |
                                 (w->enabled ? 0 : WS_DISABLED));
    case GWL_EXSTYLE:
        return static_cast<LONG>(w->exStyle);
    case GWL_ID:
        return w->id;
    default:
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
}

namespace {

// The slot behind an index: a dialog's message result, anyone's user data, or a value in the
// window's extra bytes (which must hold it whole).
void* LongPtrSlot(Window& w, int index) {
    if (index == DWLP_MSGRESULT && w.dialog) {
        return &w.msgResult;
    }
    if (index == GWLP_USERDATA) {
        return &w.userData;
    }
    const bool inExtraBytes =
        index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w.extraBytes.size();
    return inExtraBytes ? w.extraBytes.data() + index : nullptr;
}

} // namespace

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    Window* w = Windows().Find(window);
    if (w == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    LONG_PTR value = 0;
    if (const void* slot = LongPtrSlot(*w, index)) {
        std::memcpy(&value, slot, sizeof value); // extra bytes need not be aligned
        return value;
    }
    if (index >= 0) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return GetWindowLongA(window, index);
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* w = Windows().Find(window);
    if (w == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    void* slot = LongPtrSlot(*w, index);
    if (slot == nullptr) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    LONG_PTR previous = 0;
    std::memcpy(&previous, slot, sizeof previous);
    std::memcpy(slot, &value, sizeof value);
    return previous;
}

BOOL IsChild(HWND parent, HWND window) {
    for (const Window* w = Windows().Find(window); w != nullptr && (w->style & WS_CHILD);
         w = Windows().Find(w->parent)) {
        if (w->parent == parent) {
            return TRUE;
        }
    }
    return FALSE;
}

HWND SetFocus(HWND window) {
    return Windows().SetFocus(window);
}
HWND GetFocus() {
    return Windows().Focus();
}
HWND GetActiveWindow() {
    return Windows().Active();
}

BOOL SetForegroundWindow(HWND window) {
    return Windows().SetForeground(window);
}
HWND GetForegroundWindow() {
    return Windows().Foreground();
}

DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId) {
    const Window* w = Windows().Find(window);
    if (processId != nullptr) {
        *processId = w ? w->threadId : 0;
    }
    return w ? w->threadId : 0;
}

BOOL AttachThreadInput(DWORD attach, DWORD attachTo, BOOL doAttach) {
    if (attach == attachTo || attach == 0 || attachTo == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ++sim::User32().threadInputAttachCalls;
    sim::User32().threadInputAttachments += doAttach ? 1 : -1;
    return TRUE;
}
