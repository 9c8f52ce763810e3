// A document: the program's data, its views, and its part in start-up and shut-down.
#pragma once

#include "../platform/win32.h"
#include "CmdTarget.h"

#include <vector>

class CView;
class CSingleDocTemplate;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
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

    // Destroys the frames of its views, empties the document, and deletes it when it was
    // created by its template.
    virtual void OnCloseDocument();
    // Lets the views go without destroying their windows (the session is ending).
    void DisconnectViews();

    BOOL m_bAutoDelete = TRUE;
    CSingleDocTemplate* m_pDocTemplate = nullptr;

  private:
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_viewList;
};
