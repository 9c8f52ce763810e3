// A document: the program's data, its views, and its part in start-up and shut-down.
#pragma once

#include "../platform/win32.h"
#include "Object.h"

#include <vector>

class CView;

class CDocument : public CObject {
  public:
    ~CDocument() override;

    // The new-document path: clears the contents and the modified flag.
    virtual BOOL OnNewDocument();
    virtual void DeleteContents() {}
    // Asked before the document closes; TRUE lets it close.
    virtual BOOL SaveModified();

    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    // Every view but the sender gets OnUpdate.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

  private:
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_viewList;
};
