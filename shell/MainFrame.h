// The hidden main frame: the tray icon and its menus, the device notification, the status
// timer, the shortcut registration, and the system's messages for the document.
#pragma once

#include "../device/DeviceNotification.h"
#include "../framework/FrameWnd.h"
#include "../res/resource.h"

#include <memory>
#include <string>

class CMrgDoc;

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
  public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // As the framework's, but with no menu.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                   CCreateContext* pContext) override;

    void SetTrayIcon(BOOL bDeviceAvailable);
    void AddTrayIcon();
    void ShowBalloon(const std::string& text, DWORD dwInfoFlags);
    void FitClientToScreen(int cx, int cy);
    BOOL ForceForeground();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::unique_ptr<CDeviceNotification> m_pNotification;
    UINT_PTR m_nTimer = 0;
    UINT m_nTrayCommand = 0;
    bool m_bWokenAutomatically = false; // this wake's PBT_APMRESUMEAUTOMATIC has come
    UINT m_nTaskbarCreated = 0;         // Explorer's message when it starts with an empty tray
    int m_nTrayIcon = IDI_TRAY_READY;

  protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    BOOL OnQueryEndSession() override;
    void OnEndSession(BOOL bEnding) override;
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection) override;
    void OnActivate(UINT nState, HWND hWndOther) override;

  private:
    CMrgDoc* GetMrgDoc() const;
    NOTIFYICONDATAA TrayData(UINT uFlags) const;
    void CloseInputMethod();
    BOOL RegisterShortcuts();
    void OnTrayNotify(LPARAM lParam);
    bool BringRunningCommandForward();
    void TrackTrayMenu(int nPopup, UINT nFlags);
    LRESULT OnPowerBroadcast(WPARAM wParam, LPARAM lParam);
    void OnGetMinMaxInfo(LPMINMAXINFO lpMMI);
    // The frame's size beyond its client area, plus one edge on each side.
    SIZE Overhang() const;
};
