#include "Document.h"

#include "FrameWnd.h"
#include "View.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument() {
    for (CView* view : m_viewList) {
        view->m_pDocument = nullptr;
    }
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

// This program's documents are never stored in a file, so nothing is left to ask about.
BOOL CDocument::SaveModified() {
    return TRUE;
}

void CDocument::AddView(CView* pView) {
    if (std::find(m_viewList.begin(), m_viewList.end(), pView) == m_viewList.end()) {
        m_viewList.push_back(pView);
        pView->m_pDocument = this;
    }
}

void CDocument::RemoveView(CView* pView) {
    const auto found = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (found != m_viewList.end()) {
        m_viewList.erase(found);
        pView->m_pDocument = nullptr;
    }
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    for (CView* view : m_viewList) {
        if (view != pSender) {
            view->OnUpdate(pSender, lHint, pHint);
        }
    }
}

void CDocument::OnCloseDocument() {
    // Not deleted while its frames go; that happens once they are gone.
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CFrameWnd* frame = m_viewList.front()->GetParentFrame();
        if (frame == nullptr || !frame->DestroyWindow()) {
            RemoveView(m_viewList.front());
        }
    }
    DeleteContents();
    if (autoDelete) {
        delete this;
    }
}

void CDocument::DisconnectViews() {
    while (!m_viewList.empty()) {
        RemoveView(m_viewList.front());
    }
}
