#include "View.h"

#include "Document.h"
#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

CView::~CView() {
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
}

CFrameWnd* CView::GetParentFrame() const {
    for (CWnd* parent = GetParent(); parent != nullptr; parent = parent->GetParent()) {
        if (parent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
            return static_cast<CFrameWnd*>(parent);
        }
    }
    return nullptr;
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnActivateView(BOOL, CView*, CView*) {}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return CWnd::WindowProc(message, wParam, lParam);
    }
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (dc != nullptr) {
        OnDraw(dc);
    }
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

void CView::OnDraw(HDC) {}

BOOL CView::OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) {
    return CWnd::OnCmdMsg(nID, kind, pCmdUI) ||
           (m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, kind, pCmdUI));
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    const auto* context = static_cast<const CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (context != nullptr && context->m_pCurrentDoc != nullptr) {
        context->m_pCurrentDoc->AddView(this);
    }
    return CWnd::OnCreate(lpCreateStruct);
}

// Views are created by their frame and die with their window.
void CView::PostNcDestroy() {
    delete this;
}
