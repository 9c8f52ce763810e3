#include "DocTemplate.h"

#include "WinApp.h"

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass,
                                       const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    delete m_pOnlyDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile() {
    auto* doc = static_cast<CDocument*>(m_pDocClass->CreateObject());
    if (doc == nullptr) {
        return nullptr;
    }
    doc->m_pDocTemplate = this;
    auto* frame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    CCreateContext context{m_pViewClass, doc};
    // A frame whose creation failed has destroyed, and so deleted, itself.
    if (frame == nullptr ||
        !frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
        delete doc;
        return nullptr;
    }
    m_pOnlyDoc = doc;
    if (!doc->OnNewDocument()) {
        frame->DestroyWindow();
        m_pOnlyDoc = nullptr;
        delete doc;
        return nullptr;
    }
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == nullptr) {
        app->m_pMainWnd = frame;
    }
    frame->InitialUpdateFrame(doc, TRUE);
    return doc;
}

BOOL CSingleDocTemplate::SaveAllModified() {
    return m_pOnlyDoc == nullptr || m_pOnlyDoc->SaveModified();
}

void CSingleDocTemplate::CloseAllDocuments(BOOL bEndSession) {
    CDocument* doc = m_pOnlyDoc;
    if (doc == nullptr) {
        return;
    }
    m_pOnlyDoc = nullptr;
    if (bEndSession) {
        doc->DisconnectViews();
    }
    doc->OnCloseDocument();
}
