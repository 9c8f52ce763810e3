// The one view: the full-screen overlay and pointer poller behind the area commands. It
// takes the area commands first and says when they are available.
#pragma once

#include "../framework/Gdi.h"
#include "../framework/Static.h"
#include "../framework/View.h"

class CMrgDoc;

class CMrgView : public CView {
    DECLARE_DYNCREATE(CMrgView)
  public:
    CMrgDoc* GetDocument() const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    void OnUpdateAreaCommand(CCmdUI* pCmdUI);
    void OnUpdateMouseTraceMode1(CCmdUI* pCmdUI);
    void OnUpdateMouseTraceMode2(CCmdUI* pCmdUI);
    void OnUpdateMouseTraceMode3(CCmdUI* pCmdUI);

    CFont m_font;
    UINT_PTR m_nTimerID = 0;
    int m_cxChar = 0;
    int m_cyLine = 0;
    CStatic m_wndIndicator;
    int m_nMode = 0; // the command that started the running mode; 0 when idle

  protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;

  private:
    void UpdateTraceMode(CCmdUI* pCmdUI, int nMode);
};
