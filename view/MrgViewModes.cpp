// Entering and leaving the view's modes, and showing the working selection.
#include "MrgView.h"

#include "../framework/WinApp.h"
#include "../model/AreaModes.h"
#include "../model/MrgDoc.h"
#include "../res/resource.h"
#include "SelectionGeometry.h"

RECT CMrgView::ClientArea() const {
    RECT client{};
    GetClientRect(&client);
    return client;
}

void CMrgView::CopyScreenBeforeMenu() {
    m_snapshot.Take();
}

void CMrgView::DropScreenCopyAfterMenu() {
    if (!IsOverlayMode(m_nMode)) {
        m_snapshot.Release();
    }
}

void CMrgView::BeginMode(int nMode, SelectState nSelectState) {
    // A mode that replaces another takes the old one's frame and indicator away first.
    if (IsFramedMode(m_nMode) && !IsRectEmpty(&m_rcSelection)) {
        DrawSelectionFrame(m_rcSelection);
    }
    m_wndIndicator.ShowWindow(SW_HIDE);
    m_nMode = nMode;
    m_nSelectState = nSelectState;
    m_bPickToFollow = FALSE;
    if (IsTraceMode(nMode)) {
        m_nTraceMode = nMode;
    }
    // The frame covers the screen, above everything, and its view takes the keyboard. The
    // desktop is copied before the frame hides it, and painted at once.
    if (IsOverlayMode(nMode) && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != nullptr) {
        m_snapshot.Take();
        AfxGetApp()->m_pMainWnd->SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0,
                                              SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        ::UpdateWindow(m_hWnd);
    }
    // Stripe suppression stays out of force while the user picks or traces.
    if (CMrgDoc* doc = GetDocument()) {
        doc->SuspendSuppression();
    }
}

void CMrgView::EndMode(BOOL bApply, BOOL bResume) {
    const int previous = m_nMode;
    m_nSelectState = SELECT_IDLE;
    m_nMode = 0;
    m_bPickToFollow = FALSE;
    CMrgDoc* doc = GetDocument();
    const bool empty = IsRectEmpty(&m_rcSelection) != FALSE;
    if (!empty && IsFramedMode(previous)) {
        DrawSelectionFrame(m_rcSelection);
    }
    // An empty selection is never applied; whatever the mode previewed on the way (an arrow
    // before the first corner, the mode it replaced) gives way to the stored area. A mode the
    // converter's removal ended has nothing to put back: the removal notice said it all.
    const bool device = doc != nullptr && doc->m_pDevice != nullptr;
    if (device) {
        if (bApply && !empty) {
            doc->SetDisplayArea(&m_rcSelection);
        } else {
            doc->CancelPreview(&m_rcSelection);
        }
    }
    SetRectEmpty(&m_rcSelection);
    HideOverlay();
    if (bResume && m_nTraceMode != 0) {
        EnterTraceMode(m_nTraceMode);
        return;
    }
    if (!bResume) {
        m_nTraceMode = 0;
    }
    if (doc != nullptr) {
        doc->ResumeSuppression();
    }
}

// The overlay goes from the screen, with its copy of the desktop and the indicator.
void CMrgView::HideOverlay() {
    if (AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != nullptr) {
        AfxGetApp()->m_pMainWnd->ShowWindow(SW_HIDE);
    }
    m_snapshot.Release();
    m_wndIndicator.ShowWindow(SW_HIDE);
}

// Switching away from the overlay cancels it, as Esc does; a trace goes on regardless.
void CMrgView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    if (!bActivate && IsOverlayMode(m_nMode)) {
        EndMode(FALSE, TRUE);
    }
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

// The converter went away: whatever runs ends without applying, and a suspended trace is
// forgotten.
void CMrgView::OnUpdate(CView*, LPARAM, CObject*) {
    const CMrgDoc* doc = GetDocument();
    if ((doc == nullptr || doc->m_pDevice == nullptr) && m_nMode != 0) {
        EndMode(FALSE, FALSE);
    }
}

void CMrgView::ShowIndicator() {
    const RECT client = ClientArea();
    const int x = client.right / 2 - 20 * m_cxChar;
    const int y = client.bottom / 2 - m_cyLine / 2;
    m_wndIndicator.SetWindowPos(nullptr, x, y, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CMrgView::SetSelection(const RECT& rect, BOOL bPreview) {
    const bool framed = IsFramedMode(m_nMode);
    if (framed && !IsRectEmpty(&m_rcSelection)) {
        DrawSelectionFrame(m_rcSelection);
    }
    m_rcSelection = rect;
    if (framed) {
        DrawSelectionFrame(m_rcSelection);
    }
    if (m_wndIndicator.IsWindowVisible()) {
        ::SetWindowTextA(m_wndIndicator.m_hWnd, SelectionText(m_rcSelection).c_str());
    }
    CMrgDoc* doc = GetDocument();
    if (bPreview && doc != nullptr) {
        doc->PreviewDisplayArea(&m_rcSelection);
    }
}

void CMrgView::OnDraw(HDC hDC) {
    m_snapshot.PaintOn(hDC);
    if (IsFramedMode(m_nMode) && !IsRectEmpty(&m_rcSelection)) {
        DrawSelectionFrame(m_rcSelection);
    }
}

// Three inverted outlines, the rectangle's own edges and the two inside them; drawn again,
// they are gone. Rectangles narrower than the frame get none.
void CMrgView::DrawSelectionFrame(const RECT& rect) {
    if (rect.right - rect.left < 3 || rect.bottom - rect.top < 3) {
        return;
    }
    CClientDC dc(this);
    const int previous = dc.SetROP2(R2_NOT);
    RECT outline = rect;
    for (int pass = 0; pass < 3; ++pass) {
        dc.MoveTo(outline.left, outline.top);
        dc.LineTo(outline.left, outline.bottom);
        dc.LineTo(outline.right, outline.bottom);
        dc.LineTo(outline.right, outline.top);
        dc.LineTo(outline.left, outline.top);
        outline = RECT{outline.left + 1, outline.top + 1, outline.right - 1, outline.bottom - 1};
    }
    dc.SetROP2(previous);
}
