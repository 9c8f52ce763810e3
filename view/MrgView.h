// The one view: the full-screen overlay on which an area or a window is picked, the quarter
// and sixteenth cells, and the poller of the trace modes (the pointer, the focus, a window). It
// takes the area commands first and says when they are available.
#pragma once

#include "../framework/Gdi.h"
#include "../framework/Static.h"
#include "../framework/View.h"
#include "../model/MrgViewBase.h"
#include "ScreenSnapshot.h"

class CMrgDoc;

class CMrgView : public CMrgViewBase {
    DECLARE_DYNCREATE(CMrgView)
  public:
    // The document, or nullptr once a session end has closed it.
    CMrgDoc* GetDocument() const;
    int GetMode() const override { return m_nMode; }
    bool GetTracedArea(RECT& rect) const override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    // Commands and their update handlers.
    void OnSelectArea();
    void OnSelectWindow();
    void OnQuarterScreen();
    void OnSixteenthScreen();
    void OnMouseTraceMode1();
    void OnMouseTraceMode2();
    void OnMouseTraceMode3();
    void OnFollowFocus();
    void OnFollowWindow();
    void OnUpdateAreaCommand(CCmdUI* pCmdUI);
    void OnUpdateMouseTraceMode1(CCmdUI* pCmdUI);
    void OnUpdateMouseTraceMode2(CCmdUI* pCmdUI);
    void OnUpdateMouseTraceMode3(CCmdUI* pCmdUI);
    void OnUpdateFollowFocus(CCmdUI* pCmdUI);
    void OnUpdateFollowWindow(CCmdUI* pCmdUI);

    // Input inside the modes.
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnMouseMove(UINT nFlags, POINT point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnTimer(UINT_PTR nIDEvent) override;

    // Around a menu that may start an overlay mode: the screen is copied before the menu
    // covers part of it (a menu that has just closed can linger on the screen for a moment,
    // fading or not yet painted over), and the copy goes again unless an overlay mode took it.
    void CopyScreenBeforeMenu();
    void DropScreenCopyAfterMenu();

    // Entering and leaving a mode.
    // Select Area's progress; the other modes start waiting and never consult it.
    enum SelectState {
        SELECT_IDLE = 0,
        SELECT_AWAITING_FIRST_CORNER = 1,
        SELECT_AWAITING_SECOND_CORNER = 2
    };
    void BeginMode(int nMode, SelectState nSelectState);
    void EndMode(BOOL bApply, BOOL bResume);
    void EnterQuarterMode(int nMode, int nDivisor);
    void EnterTraceMode(int nMode);

    // The working selection: shown, written in the indicator and previewed on the TV.
    void SetSelection(const RECT& rect, BOOL bPreview);
    void DrawSelectionFrame(const RECT& rect);
    // The window whose client area Select Window offers under a point, or nullptr.
    HWND WindowFromScreenPoint(POINT point) const;
    // What Select Window makes of a window's client area: clipped to the screen and shaped to
    // the aspect ratio from its top-left corner; empty when none of it is on the screen.
    RECT SelectedArea(HWND window) const;

    CFont m_font;
    UINT_PTR m_nTimerID = 0;
    int m_cxChar = 0;
    int m_cyLine = 0;
    CStatic m_wndIndicator;
    int m_nMode = 0; // the command that started the running mode; 0 when idle
    SelectState m_nSelectState = SELECT_IDLE;
    POINT m_ptAnchor{0, 0};
    POINT m_ptLastCursor{0, 0};
    // What Follow Focus last saw: the caret, or the focused control, on the screen.
    RECT m_rcLastFocus{0, 0, 0, 0};
    // Select Window's overlay is picking the window Follow Window is to follow, and the
    // window it follows.
    BOOL m_bPickToFollow = FALSE;
    HWND m_hwndFollowed = nullptr;
    RECT m_rcSelection{0, 0, 0, 0};
    int m_nDivisor = 0;
    int m_nTraceMode = 0;
    CScreenSnapshot m_snapshot; // the desktop under the overlay, while it is shown

  protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    // The desktop as the overlay found it, and the frame over it.
    void OnDraw(HDC hDC) override;

  private:
    RECT ClientArea() const;
    void HideOverlay();
    void ShowIndicator();
    void ToggleTraceMode(int nMode);
    void UpdateTraceMode(CCmdUI* pCmdUI, int nMode);
    void SelectAreaMove(POINT point);
    void SelectWindowMove(POINT point);
    void TraceMove(POINT point);
    void FollowFocus();
    void FollowWindowAt(POINT point);
    void FollowWindow();
    void AdjustSelectionByKey(UINT nChar);
    void StepQuarter(UINT nChar);
};
