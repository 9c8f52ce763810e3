#include "MrgView.h"

#include "../model/MrgDoc.h"
#include "../res/resource.h"

IMPLEMENT_DYNCREATE(CMrgView, CView)

namespace {

constexpr UINT kTracePollMs = 20;
constexpr DWORD kIndicatorStyle = WS_CHILD | SS_SUNKEN | SS_CENTERIMAGE | SS_CENTER;
constexpr int kIndicatorHalfWidthChars = 20;

} // namespace

CMrgDoc* CMrgView::GetDocument() const {
    return static_cast<CMrgDoc*>(CView::GetDocument());
}

LRESULT CMrgView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        return TRUE; // the overlay paints nothing: the desktop stays visible beneath it
    }
    return CView::WindowProc(message, wParam, lParam);
}

BOOL CMrgView::OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) {
    static const CommandEntry<CMrgView> kCommands[] = {
        {ID_SELECT_AREA, nullptr, &CMrgView::OnUpdateAreaCommand},
        {ID_SELECT_WINDOW, nullptr, &CMrgView::OnUpdateAreaCommand},
        {ID_MOUSE_TRACE_MODE1, nullptr, &CMrgView::OnUpdateMouseTraceMode1},
        {ID_MOUSE_TRACE_MODE2, nullptr, &CMrgView::OnUpdateMouseTraceMode2},
        {ID_MOUSE_TRACE_MODE3, nullptr, &CMrgView::OnUpdateMouseTraceMode3},
        {ID_QUARTER_SCREEN, nullptr, &CMrgView::OnUpdateAreaCommand},
        {ID_SIXTEENTH_SCREEN, nullptr, &CMrgView::OnUpdateAreaCommand},
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

void CMrgView::OnUpdate(CView*, LPARAM, CObject*) {}

void CMrgView::OnUpdateAreaCommand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetDocument()->m_pDevice != nullptr);
}

// A trace needs an area size, so the whole desktop leaves it unavailable.
void CMrgView::UpdateTraceMode(CCmdUI* pCmdUI, int nMode) {
    const CMrgDoc* doc = GetDocument();
    pCmdUI->Enable(doc->m_pDevice != nullptr && !IsRectEmpty(&doc->m_rcDisplayArea));
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
