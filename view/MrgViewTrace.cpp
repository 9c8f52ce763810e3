// The trace modes: the output area follows the pointer, or the text caret and the keyboard
// focus of the program in the foreground, polled every 20 ms.
#include "MrgView.h"

#include "../model/AreaModes.h"
#include "../model/MrgDoc.h"
#include "../res/resource.h"
#include "SelectionGeometry.h"

void CMrgView::EnterTraceMode(int nMode) {
    // A trace runs with the overlay hidden: an overlay mode goes first, as Esc takes it, and
    // its end starts this trace from the stored area.
    if (IsOverlayMode(m_nMode)) {
        m_nTraceMode = nMode;
        EndMode(FALSE, TRUE);
        return;
    }
    BeginMode(nMode, SELECT_AWAITING_FIRST_CORNER);
    const CMrgDoc* doc = GetDocument();
    if (IsRectEmpty(&m_rcSelection) && doc != nullptr) {
        m_rcSelection = doc->m_rcDisplayArea;
    }
    // With no area (the whole desktop) the trace is idle, and the pointer stays where it is.
    // Following the focus leaves the pointer alone, and takes the first poll for a move.
    if (IsRectEmpty(&m_rcSelection) || nMode == ID_FOLLOW_FOCUS) {
        m_rcLastFocus = RECT{0, 0, 0, 0};
        return;
    }
    // The pointer jumps to the middle of the area; the poll does not take that for a move.
    m_ptLastCursor = CentreOf(m_rcSelection);
    ::ClientToScreen(m_hWnd, &m_ptLastCursor);
    ::SetCursorPos(m_ptLastCursor.x, m_ptLastCursor.y);
}

bool CMrgView::GetTracedArea(RECT& rect) const {
    if (!IsTraceMode(m_nMode) || IsRectEmpty(&m_rcSelection)) {
        return false;
    }
    rect = m_rcSelection;
    return true;
}

void CMrgView::OnTimer(UINT_PTR) {
    const CMrgDoc* doc = GetDocument();
    if (doc == nullptr || IsRectEmpty(&doc->m_rcDisplayArea) || !IsTraceMode(m_nMode)) {
        return;
    }
    if (m_nMode == ID_FOLLOW_FOCUS) {
        FollowFocus();
        return;
    }
    POINT cursor{0, 0};
    if (!::GetCursorPos(&cursor) ||
        (cursor.x == m_ptLastCursor.x && cursor.y == m_ptLastCursor.y)) {
        return;
    }
    m_ptLastCursor = cursor;
    OnMouseMove(0, cursor);
}

void CMrgView::TraceMove(POINT point) {
    const CMrgDoc* doc = GetDocument();
    if (doc == nullptr || IsRectEmpty(&doc->m_rcDisplayArea)) {
        return;
    }
    std::optional<RECT> moved;
    if (m_nMode == ID_MOUSE_TRACE_MODE1 ||
        (m_nMode == ID_MOUSE_TRACE_MODE2 && !PtInRect(&m_rcSelection, point))) {
        moved = CentredOn(point, m_rcSelection);
    } else if (m_nMode == ID_MOUSE_TRACE_MODE3) {
        moved = PushedBy(point, m_rcSelection);
    }
    if (moved) {
        SetSelection(KeepInsideClient(*moved, ClientArea()), TRUE);
    }
}

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
