// A view of a document; the document tells its views when it changes.
#pragma once

#include "../platform/win32.h"
#include "Object.h"

class CDocument;

class CView : public CObject {
  public:
    // A view that goes away first leaves its document's list.
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // The document changed; pSender is the view that changed it, if any.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) = 0;

  private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
