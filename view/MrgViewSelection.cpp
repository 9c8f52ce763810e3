// Select Area, Select Window, and the quarter and sixteenth cells: the mouse and the keys.
#include "MrgView.h"

#include "../framework/WinApp.h"
#include "../model/AreaModes.h"
#include "../model/MrgDoc.h"
#include "../res/resource.h"
#include "SelectionGeometry.h"

#include <algorithm>

namespace {

bool IsArrow(UINT nChar) {
    return nChar == VK_LEFT || nChar == VK_UP || nChar == VK_RIGHT || nChar == VK_DOWN;
}

} // namespace

void CMrgView::EnterQuarterMode(int nMode, int nDivisor) {
    BeginMode(nMode, SELECT_IDLE);
    m_nDivisor = nDivisor;
    const RECT client = ClientArea();
    m_rcSelection = FirstCell(client.right, client.bottom, nDivisor);
    if (CMrgDoc* doc = GetDocument()) {
        doc->PreviewDisplayArea(&m_rcSelection);
    }
}

void CMrgView::OnLButtonDown(UINT, POINT point) {
    switch (m_nMode) {
    case ID_SELECT_AREA:
        if (m_nSelectState == SELECT_AWAITING_FIRST_CORNER) {
            m_ptAnchor = point;
            m_nSelectState = SELECT_AWAITING_SECOND_CORNER;
        } else {
            EndMode(TRUE, TRUE);
        }
        break;
    case ID_SELECT_WINDOW:
        if (m_bPickToFollow) {
            FollowWindowAt(point);
        } else {
            EndMode(TRUE, TRUE);
        }
        break;
    case ID_QUARTER_SCREEN:
    case ID_SIXTEENTH_SCREEN:
        EndMode(TRUE, TRUE);
        m_nDivisor = 0;
        break;
    default:
        break;
    }
}

void CMrgView::OnMouseMove(UINT, POINT point) {
    if (m_nMode == ID_SELECT_AREA) {
        SelectAreaMove(point);
    } else if (m_nMode == ID_SELECT_WINDOW) {
        SelectWindowMove(point);
    } else if (IsTraceMode(m_nMode)) {
        TraceMove(point);
    }
}

void CMrgView::SelectAreaMove(POINT point) {
    const CMrgDoc* doc = GetDocument();
    if (m_nSelectState != SELECT_AWAITING_SECOND_CORNER || doc == nullptr) {
        return;
    }
    const POINT corner = ConstrainAspect(m_ptAnchor, point, doc->m_nAspectRatio, ClientArea());
    const RECT rect = Normalized(RECT{m_ptAnchor.x, m_ptAnchor.y, corner.x, corner.y});
    if (!EqualRect(&rect, &m_rcSelection)) {
        SetSelection(rect, TRUE);
    }
}

void CMrgView::SelectWindowMove(POINT point) {
    const HWND window = WindowFromScreenPoint(point);
    if (window == nullptr) {
        return;
    }
    const RECT selection = SelectedArea(window);
    if (!IsRectEmpty(&selection) && !EqualRect(&selection, &m_rcSelection)) {
        SetSelection(selection, TRUE);
    }
}

RECT CMrgView::SelectedArea(HWND window) const {
    const CMrgDoc* doc = GetDocument();
    RECT rect{};
    if (doc == nullptr || !::GetClientRect(window, &rect)) {
        return RECT{0, 0, 0, 0};
    }
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ::MapWindowPoints(window, m_hWnd, corners, 2);
    // Clipped to the screen, then shaped from its top-left corner.
    const RECT client = ClientArea();
    const POINT topLeft{std::max(corners[0].x, client.left), std::max(corners[0].y, client.top)};
    const POINT bottomRight{std::min(corners[1].x, client.right),
                            std::min(corners[1].y, client.bottom)};
    if (bottomRight.x <= topLeft.x || bottomRight.y <= topLeft.y) {
        return RECT{0, 0, 0, 0};
    }
    const POINT corner = ConstrainAspect(topLeft, bottomRight, doc->m_nAspectRatio, client);
    return RECT{topLeft.x, topLeft.y, corner.x, corner.y};
}

// The top-level windows below the overlay, the first whose client area holds the point, then
// down through its children to the deepest visible, enabled, non-transparent one.
HWND CMrgView::WindowFromScreenPoint(POINT point) const {
    ::ClientToScreen(m_hWnd, &point);
    const CWnd* mainWnd = AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr;
    const HWND main = mainWnd ? mainWnd->m_hWnd : m_hWnd;
    HWND candidate = nullptr;
    for (HWND window = ::GetWindow(main, GW_HWNDNEXT); window != nullptr;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        RECT client{};
        ::GetClientRect(window, &client);
        POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
        ::MapWindowPoints(window, nullptr, corners, 2);
        client = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        if (::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
            !(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) &&
            PtInRect(&client, point)) {
            candidate = window;
            break;
        }
    }
    while (candidate != nullptr) {
        POINT inside = point;
        ::ScreenToClient(candidate, &inside);
        const HWND child = ::ChildWindowFromPointEx(
            candidate, inside, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
        if (child == nullptr || child == candidate) {
            return candidate;
        }
        candidate = child;
    }
    return nullptr;
}

void CMrgView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT) {
    if (nChar == VK_ESCAPE && m_nMode != 0) {
        EndMode(FALSE, TRUE);
        return;
    }
    if (nRepCnt > 1) {
        return;
    }
    if (m_nMode == ID_QUARTER_SCREEN || m_nMode == ID_SIXTEENTH_SCREEN) {
        if (nChar == VK_RETURN) {
            EndMode(TRUE, TRUE);
            m_nDivisor = 0;
        } else {
            StepQuarter(nChar);
        }
    } else if ((m_nMode == ID_SELECT_AREA || m_nMode == ID_SELECT_WINDOW) && IsArrow(nChar)) {
        AdjustSelectionByKey(nChar);
    }
}

void CMrgView::StepQuarter(UINT nChar) {
    const RECT client = ClientArea();
    if (const auto next = NextCell(m_rcSelection, nChar, client.right, client.bottom, m_nDivisor)) {
        SetSelection(*next, TRUE);
    }
}

// In Select Area the anchor and the pointer follow the key, so that the next mouse move
// builds the same rectangle; when the pointer moved, that move shows the change.
void CMrgView::AdjustSelectionByKey(UINT nChar) {
    const RECT client = ClientArea();
    POINT cursor{0, 0};
    ::GetCursorPos(&cursor);
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const std::optional<RECT> adjusted = AdjustByKey(m_rcSelection, nChar, shift, client);
    if (!adjusted) {
        return;
    }
    bool pointerMoved = false;
    if (m_nMode == ID_SELECT_AREA) {
        const bool horizontal = nChar == VK_LEFT || nChar == VK_RIGHT;
        const int step = (nChar == VK_LEFT || nChar == VK_UP) ? -1 : 1;
        const int dx = horizontal ? step : 0;
        const int dy = horizontal ? 0 : step;
        const LONG edge = horizontal ? m_rcSelection.right : m_rcSelection.bottom;
        LONG& anchor = horizontal ? m_ptAnchor.x : m_ptAnchor.y;
        const LONG pointer = horizontal ? cursor.x : cursor.y;
        if (shift) {
            m_ptAnchor = POINT{m_ptAnchor.x + dx, m_ptAnchor.y + dy};
            pointerMoved = ::SetCursorPos(cursor.x + dx, cursor.y + dy) != FALSE;
        } else {
            if (anchor == edge) {
                anchor += step;
            }
            if (pointer == edge) {
                pointerMoved = ::SetCursorPos(cursor.x + dx, cursor.y + dy) != FALSE;
            }
        }
    }
    if (!pointerMoved && !EqualRect(&*adjusted, &m_rcSelection)) {
        SetSelection(*adjusted, TRUE);
    }
}
