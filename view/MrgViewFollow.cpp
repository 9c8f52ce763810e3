// Following what the user works at rather than the pointer: the text caret or the focused
// control of the program in the foreground, or a window picked with Select Window's overlay.
#include "MrgView.h"

#include "../model/MrgDoc.h"
#include "../res/resource.h"
#include "SelectionGeometry.h"

namespace {

// What the user is working at in the program in the foreground, on the screen, as that
// program shows it to others: its text caret, else its focused control. Nothing when neither
// is shown, or when the foreground is this program's own (its menu, its dialogs).
bool FocusOnScreen(RECT& rect) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(0, &info) || info.hwndFocus == nullptr ||
        ::GetWindowThreadProcessId(info.hwndFocus, nullptr) == ::GetCurrentThreadId()) {
        return false;
    }
    if (info.hwndCaret != nullptr && !IsRectEmpty(&info.rcCaret)) {
        POINT corners[2] = {{info.rcCaret.left, info.rcCaret.top},
                            {info.rcCaret.right, info.rcCaret.bottom}};
        ::MapWindowPoints(info.hwndCaret, nullptr, corners, 2);
        rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        return true;
    }
    return ::GetWindowRect(info.hwndFocus, &rect) != FALSE;
}

} // namespace

// Nothing moves while the caret and the focus stay where they were.
void CMrgView::FollowFocus() {
    RECT focus{};
    if (!FocusOnScreen(focus) || EqualRect(&focus, &m_rcLastFocus)) {
        return;
    }
    m_rcLastFocus = focus;
    if (std::optional<RECT> moved = KeptInView(focus, m_rcSelection)) {
        SetSelection(KeepInsideClient(*moved, ClientArea()), TRUE);
    }
}

// A click in Select Window's overlay picks the window to follow; where there is none, nothing
// starts, as with Esc. The overlay gives way to the trace (its frame and indicator go with the
// mode it replaces), and the picked window's area stays on the TV.
void CMrgView::FollowWindowAt(POINT point) {
    const HWND window = WindowFromScreenPoint(point);
    if (window == nullptr) {
        EndMode(FALSE, TRUE);
        return;
    }
    m_hwndFollowed = window;
    BeginMode(ID_FOLLOW_WINDOW, SELECT_IDLE);
    HideOverlay();
}

// The area is the window's client area as Select Window would pick it now. A window off the
// screen (minimised, say) leaves the area where it is; one closed or hidden ends the mode,
// which keeps the area it had last.
void CMrgView::FollowWindow() {
    if (!::IsWindowVisible(m_hwndFollowed)) {
        const CMrgDoc* doc = GetDocument();
        EndMode(doc != nullptr && !EqualRect(&m_rcSelection, &doc->m_rcDisplayArea), FALSE);
        return;
    }
    const RECT area = SelectedArea(m_hwndFollowed);
    if (!IsRectEmpty(&area) && !EqualRect(&area, &m_rcSelection)) {
        SetSelection(area, TRUE);
    }
}
