// A view: a child window of its frame that shows a document and takes commands first.
#pragma once

#include "Wnd.h"

class CDocument;
class CFrameWnd;

// What the document template hands the frame so that it can create its view.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass;
    CDocument* m_pCurrentDoc;
};

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
  public:
    // A view that goes away first leaves its document's list.
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;

    virtual void OnInitialUpdate();
    // The document changed; pSender is the view that changed it, if any.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) = 0;
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    // The view first, then its document.
    BOOL OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    // Paints the view's client area on WM_PAINT; a view that paints nothing keeps this.
    virtual void OnDraw(HDC hDC);
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void PostNcDestroy() override;

  private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
