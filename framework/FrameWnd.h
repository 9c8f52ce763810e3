// The frame window: holds the active view, routes commands, updates popup menus, and takes
// part in closing the application and ending the session.
#pragma once

#include "View.h"

#include <string>

class CDocument;

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
  public:
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew);
    CDocument* GetActiveDocument() const;
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // The active view (and so its document), this frame, then the application.
    BOOL OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    // The part of LoadFrame shared with frames that want no menu.
    BOOL CreateFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                     CCreateContext* pContext, HMENU hMenu);

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    void PostNcDestroy() override;
    virtual BOOL OnQueryEndSession();
    virtual void OnEndSession(BOOL bEnding);
    virtual void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu);
    // The frame is activated or deactivated; hWndOther is the window losing or taking it.
    virtual void OnActivate(UINT nState, HWND hWndOther);
    void RecalcLayout(int cx, int cy);

    UINT m_nIDHelp = 0;
    std::string m_strTitle;

  private:
    CView* m_pViewActive = nullptr;
};

// The style frames are created with by the document template.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000L;
