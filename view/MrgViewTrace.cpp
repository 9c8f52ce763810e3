// The trace modes: the output area follows the pointer, the text caret and the keyboard focus
// of the program in the foreground, or a window, polled every 20 ms.
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
    // Following the focus or a window leaves the pointer alone, and takes the first poll for
    // a move.
    if (IsRectEmpty(&m_rcSelection) || !FollowsThePointer(nMode)) {
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
    if (m_nMode == ID_FOLLOW_WINDOW) {
        FollowWindow();
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
