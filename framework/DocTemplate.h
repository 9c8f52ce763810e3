// The single-document template: creates the document, its frame and view, and closes them.
#pragma once

#include "Document.h"
#include "FrameWnd.h"

class CSingleDocTemplate : public CCmdTarget {
  public:
    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    // The new-document path; nullptr when any step fails.
    CDocument* OpenDocumentFile();
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    CDocument* GetDocument() const { return m_pOnlyDoc; }

  private:
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CDocument* m_pOnlyDoc = nullptr;
};
