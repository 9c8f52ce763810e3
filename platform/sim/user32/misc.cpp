// Screen metrics, the double-click settings, the user's locale, rectangle helpers and message
// boxes.
#include "platform/sim/display/screen.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/dialog.h"
#include "platform/sim/user32/user32_state.h"

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return sim::PrimaryScreen().Width();
    case SM_CYSCREEN:
        return sim::PrimaryScreen().Height();
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    // The rectangle the second press of a double-click must fall in, centred on the first.
    case SM_CXDOUBLECLK:
        return sim::User32().doubleClickSize.cx;
    case SM_CYDOUBLECLK:
        return sim::User32().doubleClickSize.cy;
    default:
        return 0;
    }
}

UINT GetDoubleClickTime() {
    return sim::User32().doubleClickTime;
}

LCID GetUserDefaultLCID() {
    return sim::Kernel32().userLocale;
}

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL IsRectEmpty(const RECT* rect) {
    return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    if (a == nullptr || b == nullptr) {
        return FALSE;
    }
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

// A modal window of its own: while it is up its owner is disabled and loses activation to
// it, and when it closes the owner is enabled and activated again.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    sim::User32().messageBoxes.push_back(
        {owner, text ? text : "", caption ? caption : "Error", type});
    const HWND before = GetActiveWindow();
    const int left = (sim::PrimaryScreen().Width() - 300) / 2;
    const int top = (sim::PrimaryScreen().Height() - 120) / 2;
    const HWND box = sim::CreateEmptyDialog(sim::User32().messageBoxes.back().caption,
                                            WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                            RECT{left, top, left + 300, top + 120}, owner, nullptr);
    const bool disabled = owner != nullptr && IsWindowEnabled(owner);
    if (disabled) {
        EnableWindow(owner, FALSE);
    }
    ShowWindow(box, SW_SHOW);
    if (sim::Observer* observer = sim::Watcher()) {
        observer->MessageBoxOpened(sim::User32().messageBoxes.back());
    }
    const int answer = sim::User().AnswerMessageBox(sim::User32().messageBoxes.back());
    if (disabled && IsWindow(owner)) {
        EnableWindow(owner, TRUE);
    }
    DestroyWindow(box);
    const HWND next = IsWindow(owner) ? owner : before;
    if (next != nullptr && IsWindow(next)) {
        sim::Windows().Activate(next);
    }
    return answer;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    return rect != nullptr && point.x >= rect->left && point.x < rect->right &&
           point.y >= rect->top && point.y < rect->bottom;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
    return TRUE;
}
