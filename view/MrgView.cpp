#include "MrgView.h"

#include "../model/MrgDoc.h"
#include "../res/resource.h"

IMPLEMENT_DYNCREATE(CMrgView, CMrgViewBase)

namespace {

constexpr UINT kTracePollMs = 20;
constexpr DWORD kIndicatorStyle = WS_CHILD | SS_SUNKEN | SS_CENTERIMAGE | SS_CENTER;
constexpr int kIndicatorHalfWidthChars = 20;

POINT PointFrom(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

} // namespace

CMrgDoc* CMrgView::GetDocument() const {
    return static_cast<CMrgDoc*>(CView::GetDocument());
}

LRESULT CMrgView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE; // OnDraw covers the whole overlay
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        return 0; // the second press of a double-click does nothing
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    default:
        return CView::WindowProc(message, wParam, lParam);
    }
}

BOOL CMrgView::OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) {
    static const CommandEntry<CMrgView> kCommands[] = {
        {ID_SELECT_AREA, &CMrgView::OnSelectArea, &CMrgView::OnUpdateAreaCommand},
        {ID_SELECT_WINDOW, &CMrgView::OnSelectWindow, &CMrgView::OnUpdateAreaCommand},
        {ID_MOUSE_TRACE_MODE1, &CMrgView::OnMouseTraceMode1, &CMrgView::OnUpdateMouseTraceMode1},
        {ID_MOUSE_TRACE_MODE2, &CMrgView::OnMouseTraceMode2, &CMrgView::OnUpdateMouseTraceMode2},
        {ID_MOUSE_TRACE_MODE3, &CMrgView::OnMouseTraceMode3, &CMrgView::OnUpdateMouseTraceMode3},
        {ID_FOLLOW_FOCUS, &CMrgView::OnFollowFocus, &CMrgView::OnUpdateFollowFocus},
        {ID_FOLLOW_WINDOW, &CMrgView::OnFollowWindow, &CMrgView::OnUpdateFollowWindow},
        {ID_QUARTER_SCREEN, &CMrgView::OnQuarterScreen, &CMrgView::OnUpdateAreaCommand},
        {ID_SIXTEENTH_SCREEN, &CMrgView::OnSixteenthScreen, &CMrgView::OnUpdateAreaCommand},
    };
    return DispatchCommand(this, kCommands, nID, kind, pCmdUI) ||
           CView::OnCmdMsg(nID, kind, pCmdUI);
}

int CMrgView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_font.CreatePointFont(80, "MS Sans Serif");
    {
        CClientDC dc(this);
        const HGDIOBJ previous = dc.SelectObject(m_font.m_hObject);
        TEXTMETRIC metrics{};
        dc.GetTextMetrics(&metrics);
        m_cxChar = metrics.tmAveCharWidth;
        m_cyLine = metrics.tmHeight + metrics.tmExternalLeading;
        dc.SelectObject(previous);
    }
    // Forty average characters wide, one line high, in the middle of the screen.
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    const int halfWidth = kIndicatorHalfWidthChars * m_cxChar;
    const RECT indicator{cx / 2 - halfWidth, cy / 2 - m_cyLine / 2, cx / 2 + halfWidth,
                         cy / 2 + m_cyLine / 2};
    m_wndIndicator.Create("", kIndicatorStyle, indicator, this);
    m_wndIndicator.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
    // Without the poll the trace modes still start and stop; the area just stays put.
    m_nTimerID = ::SetTimer(m_hWnd, reinterpret_cast<UINT_PTR>(this), kTracePollMs, nullptr);
    return 0;
}

void CMrgView::OnDestroy() {
    CView::OnDestroy();
    if (m_nTimerID != 0) {
        ::KillTimer(m_hWnd, m_nTimerID);
        m_nTimerID = 0;
    }
}

void CMrgView::OnSelectArea() {
    BeginMode(ID_SELECT_AREA, SELECT_AWAITING_FIRST_CORNER);
    SetRectEmpty(&m_rcSelection);
    ShowIndicator();
}

void CMrgView::OnSelectWindow() {
    BeginMode(ID_SELECT_WINDOW, SELECT_AWAITING_FIRST_CORNER);
    SetRectEmpty(&m_rcSelection);
    ShowIndicator();
}

void CMrgView::OnQuarterScreen() {
    EnterQuarterMode(ID_QUARTER_SCREEN, 2);
}

void CMrgView::OnSixteenthScreen() {
    EnterQuarterMode(ID_SIXTEENTH_SCREEN, 4);
}

void CMrgView::OnMouseTraceMode1() {
    ToggleTraceMode(ID_MOUSE_TRACE_MODE1);
}

void CMrgView::OnMouseTraceMode2() {
    ToggleTraceMode(ID_MOUSE_TRACE_MODE2);
}

void CMrgView::OnMouseTraceMode3() {
    ToggleTraceMode(ID_MOUSE_TRACE_MODE3);
}

void CMrgView::OnFollowFocus() {
    ToggleTraceMode(ID_FOLLOW_FOCUS);
}

// Chosen while it runs, it stores where it left the area, as every trace mode does; otherwise
// Select Window's overlay picks the window to follow.
void CMrgView::OnFollowWindow() {
    if (m_nMode == ID_FOLLOW_WINDOW) {
        EndMode(TRUE, FALSE);
        return;
    }
    OnSelectWindow();
    m_bPickToFollow = TRUE;
}

// Choosing the running trace mode again keeps where it left the area.
void CMrgView::ToggleTraceMode(int nMode) {
    if (m_nMode == nMode) {
        EndMode(TRUE, FALSE);
    } else {
        EnterTraceMode(nMode);
    }
}

// Once a session end has closed the document, nothing here is available.
void CMrgView::OnUpdateAreaCommand(CCmdUI* pCmdUI) {
    const CMrgDoc* doc = GetDocument();
    pCmdUI->Enable(doc != nullptr && doc->m_pDevice != nullptr);
}

// A trace needs an area size, so the whole desktop leaves it unavailable.
void CMrgView::UpdateTraceMode(CCmdUI* pCmdUI, int nMode) {
    const CMrgDoc* doc = GetDocument();
    pCmdUI->Enable(doc != nullptr && doc->m_pDevice != nullptr &&
                   !IsRectEmpty(&doc->m_rcDisplayArea));
    pCmdUI->SetCheck(m_nMode == nMode);
}

void CMrgView::OnUpdateMouseTraceMode1(CCmdUI* pCmdUI) {
    UpdateTraceMode(pCmdUI, ID_MOUSE_TRACE_MODE1);
}

void CMrgView::OnUpdateMouseTraceMode2(CCmdUI* pCmdUI) {
    UpdateTraceMode(pCmdUI, ID_MOUSE_TRACE_MODE2);
}

void CMrgView::OnUpdateMouseTraceMode3(CCmdUI* pCmdUI) {
    UpdateTraceMode(pCmdUI, ID_MOUSE_TRACE_MODE3);
}

void CMrgView::OnUpdateFollowFocus(CCmdUI* pCmdUI) {
    UpdateTraceMode(pCmdUI, ID_FOLLOW_FOCUS);
}

void CMrgView::OnUpdateFollowWindow(CCmdUI* pCmdUI) {
    UpdateTraceMode(pCmdUI, ID_FOLLOW_WINDOW);
}
