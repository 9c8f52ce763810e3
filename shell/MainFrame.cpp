#include "MainFrame.h"

#include "../device/DeviceException.h"
#include "../model/MrgDoc.h"
#include "../platform/hook_library.h"
#include "../res/resource.h"
#include "../view/MrgView.h"
#include "MrgApp.h"
#include "TrayMessages.h"

#include <cstring>
#include <utility>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

namespace {

constexpr UINT kStatusTimerMs = 1000;
constexpr UINT kBalloonTimeoutMs = 10000;
constexpr int kLeftButtonMenu = 0;
constexpr int kRightButtonMenu = 1;
constexpr UINT kChangeDisplayAreaPosition = 0;

CMrgApp* App() {
    return static_cast<CMrgApp*>(GetMrgApp());
}

// Copies a text into a fixed field, cutting it between characters so that it fits.
void CopyCut(char* field, std::size_t size, const std::string& text) {
    const char* end = text.c_str();
    for (const char* next = CharNextA(end);
         *end != '\0' && static_cast<std::size_t>(next - text.c_str()) < size;
         next = CharNextA(next)) {
        end = next;
    }
    const auto length = static_cast<std::size_t>(end - text.c_str());
    std::memcpy(field, text.c_str(), length);
    field[length] = '\0';
}

} // namespace

CMrgDoc* CMainFrame::GetMrgDoc() const {
    return static_cast<CMrgDoc*>(GetActiveDocument());
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style &= ~static_cast<LONG>(WS_SYSMENU);
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMainFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext) {
    return CreateFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext, nullptr);
}

NOTIFYICONDATAA CMainFrame::TrayData(UINT uFlags) const {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = m_hWnd;
    data.uID = 0;
    data.uFlags = uFlags;
    return data;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    FitClientToScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

    m_nTaskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    AddTrayIcon();

    m_pNotification = std::make_unique<CDeviceNotification>();
    try {
        m_pNotification->Register(m_hWnd, GUID_DEVINTERFACE_CONVERTER);
    } catch (const CDeviceException& e) {
        App()->ReportDeviceError(e.m_dwError);
        return -1;
    }
    m_nTimer = ::SetTimer(m_hWnd, reinterpret_cast<UINT_PTR>(this), kStatusTimerMs, nullptr);
    if (m_nTimer == 0) {
        return -1;
    }
    CloseInputMethod();
    if (!RegisterShortcuts() || StartHook() != 0) {
        return -1;
    }
    App()->m_pMainWnd = this;
    return 0;
}

// The frame takes no text input: no status window and no input context.
void CMainFrame::CloseInputMethod() {
    if (const HWND ime = ImmGetDefaultIMEWnd(m_hWnd)) {
        ::SendMessageA(ime, WM_IME_CONTROL, IMC_CLOSESTATUSWINDOW, 0);
    }
    if (ImmGetContext(m_hWnd) != nullptr) {
        ImmReleaseContext(m_hWnd, ImmAssociateContext(m_hWnd, nullptr));
    }
}

BOOL CMainFrame::RegisterShortcuts() {
    for (const auto& entry : App()->m_shortcutList) {
        entry->hwnd = m_hWnd;
        if (AddShortcut(entry.get()) != 0) {
            return FALSE;
        }
    }
    return TRUE;
}

void CMainFrame::OnDestroy() {
    CFrameWnd::OnDestroy();
    NOTIFYICONDATAA tray = TrayData(0);
    Shell_NotifyIconA(NIM_DELETE, &tray);
    if (m_pNotification) {
        try {
            m_pNotification->Unregister();
        } catch (const CDeviceException&) {
            // Going away regardless; the object's destructor tries once more.
        }
        m_pNotification.reset();
    }
    if (m_nTimer != 0) {
        ::KillTimer(m_hWnd, m_nTimer);
        m_nTimer = 0;
    }
    if (CMrgApp* app = App()) {
        for (const auto& entry : app->m_shortcutList) {
            RemoveShortcut(entry.get());
        }
    }
    StopHook();
}

// Added at creation, and again whenever Explorer restarts with an empty notification area,
// with the icon the device's state last gave it.
void CMainFrame::AddTrayIcon() {
    NOTIFYICONDATAA tray = TrayData(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    tray.uCallbackMessage = WM_TRAYNOTIFY;
    tray.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(m_nTrayIcon));
    CopyCut(tray.szTip, sizeof tray.szTip, App()->GetAppTitle());
    Shell_NotifyIconA(NIM_ADD, &tray);
}

void CMainFrame::SetTrayIcon(BOOL bDeviceAvailable) {
    m_nTrayIcon = bDeviceAvailable ? IDI_TRAY_READY : IDI_TRAY_NODEVICE;
    NOTIFYICONDATAA tray = TrayData(NIF_ICON);
    tray.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(m_nTrayIcon));
    Shell_NotifyIconA(NIM_MODIFY, &tray);
}

void CMainFrame::ShowBalloon(const std::string& text, DWORD dwInfoFlags) {
    NOTIFYICONDATAA tray = TrayData(NIF_INFO);
    CopyCut(tray.szInfo, sizeof tray.szInfo, text);
    CopyCut(tray.szInfoTitle, sizeof tray.szInfoTitle, App()->GetAppTitle());
    tray.uTimeout = kBalloonTimeoutMs;
    tray.dwInfoFlags = dwInfoFlags;
    Shell_NotifyIconA(NIM_MODIFY, &tray);
}

SIZE CMainFrame::Overhang() const {
    RECT window{};
    RECT client{};
    GetWindowRect(&window);
    GetClientRect(&client);
    return SIZE{(window.right - window.left) - (client.right - client.left) +
                    2 * GetSystemMetrics(SM_CXEDGE),
                (window.bottom - window.top) - (client.bottom - client.top) +
                    2 * GetSystemMetrics(SM_CYEDGE)};
}

// The view's client area then spans the whole screen, its edge, the frame's caption and
// borders just off it.
void CMainFrame::FitClientToScreen(int cx, int cy) {
    RECT window{};
    RECT client{};
    GetWindowRect(&window);
    GetClientRect(&client);
    ClientToScreen(&client);
    const SIZE overhang = Overhang();
    SetWindowPos(nullptr, window.left - client.left - GetSystemMetrics(SM_CXEDGE),
                 window.top - client.top - GetSystemMetrics(SM_CYEDGE), overhang.cx + cx,
                 overhang.cy + cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::OnGetMinMaxInfo(LPMINMAXINFO lpMMI) {
    const SIZE overhang = Overhang();
    const POINT largest{GetSystemMetrics(SM_CXSCREEN) + overhang.cx,
                        GetSystemMetrics(SM_CYSCREEN) + overhang.cy};
    lpMMI->ptMaxSize = largest;
    lpMMI->ptMaxTrackSize = largest;
}

BOOL CMainFrame::ForceForeground() {
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD frameThread = GetWindowThreadProcessId(m_hWnd, nullptr);
    if (foregroundThread == 0 || frameThread == 0 || foregroundThread == frameThread) {
        return SetForegroundWindow(m_hWnd);
    }
    // Another program has the foreground: share its input state for the moment it takes.
    AttachThreadInput(frameThread, foregroundThread, TRUE);
    const BOOL result = SetForegroundWindow(m_hWnd);
    AttachThreadInput(frameThread, foregroundThread, FALSE);
    return result;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_GETMINMAXINFO:
        DefWindowProc(message, wParam, lParam);
        OnGetMinMaxInfo(reinterpret_cast<LPMINMAXINFO>(lParam));
        return 0;
    case WM_DEVICECHANGE: {
        CMrgDoc* doc = GetMrgDoc();
        return doc ? doc->OnDeviceChange(m_pNotification.get(), static_cast<UINT>(wParam),
                                         static_cast<DWORD_PTR>(lParam))
                   : TRUE;
    }
    case WM_DISPLAYCHANGE:
        FitClientToScreen(LOWORD(lParam), HIWORD(lParam));
        if (CMrgDoc* doc = GetMrgDoc()) {
            doc->OnDisplayChange(LOWORD(lParam), HIWORD(lParam));
        }
        return DefWindowProc(message, wParam, lParam);
    case WM_POWERBROADCAST:
        return OnPowerBroadcast(wParam, lParam);
    case WM_TRAYNOTIFY:
        OnTrayNotify(lParam);
        return 0;
    // Closed by an installer or an update, the session goes on but the program must end:
    // saved as for Exit, then gone, with its tray icon. Posted, because the request can come
    // while the frame is still being created (inside its first Shell_NotifyIcon): the close
    // waits for the message loop, when start-up is complete.
    case WM_ENDSESSION:
        if (wParam && (static_cast<DWORD>(lParam) & ENDSESSION_CLOSEAPP)) {
            PostMessage(WM_CLOSE);
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    default:
        if (message == m_nTaskbarCreated && m_nTaskbarCreated != 0) {
            AddTrayIcon();
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
}

void CMainFrame::OnTimer(UINT_PTR) {
    if (CMrgDoc* doc = GetMrgDoc()) {
        doc->CheckOutputStatus();
    }
}

LRESULT CMainFrame::OnPowerBroadcast(WPARAM wParam, LPARAM lParam) {
    CMrgDoc* doc = GetMrgDoc();
    switch (wParam) {
    case PBT_APMSUSPEND:
    case PBT_APMSTANDBY:
        m_bWokenAutomatically = false;
        if (doc) {
            doc->OnPowerSuspend();
        }
        return 0;
    // Every wake brings PBT_APMRESUMEAUTOMATIC, and PBT_APMRESUMESUSPEND after it when a user
    // is there: the converter is opened again once a wake (a second open would close it).
    case PBT_APMRESUMESUSPEND:
        if (std::exchange(m_bWokenAutomatically, false)) {
            return 0;
        }
        [[fallthrough]];
    case PBT_APMRESUMEAUTOMATIC:
        m_bWokenAutomatically = wParam == PBT_APMRESUMEAUTOMATIC;
        [[fallthrough]];
    case PBT_APMRESUMECRITICAL:
    case PBT_APMRESUMESTANDBY:
        if (doc) {
            doc->OnPowerResume();
        }
        return 0;
    default:
        return DefWindowProc(WM_POWERBROADCAST, wParam, lParam);
    }
}

BOOL CMainFrame::OnQueryEndSession() {
    App()->SaveAppSettings();
    return CFrameWnd::OnQueryEndSession();
}

void CMainFrame::OnEndSession(BOOL bEnding) {
    App()->SessionEnded(bEnding);
    CFrameWnd::OnEndSession(bEnding);
}

// A report shown over the overlay is a message box the frame owns: it takes activation while
// it is up, and the selection goes on when it closes. Any other window ends the selection.
void CMainFrame::OnActivate(UINT nState, HWND hWndOther) {
    if (nState == WA_INACTIVE && hWndOther != nullptr &&
        ::GetWindow(hWndOther, GW_OWNER) == m_hWnd) {
        return;
    }
    CFrameWnd::OnActivate(nState, hWndOther);
}

void CMainFrame::OnSettingChange(UINT uFlags, LPCSTR lpszSection) {
    CFrameWnd::OnSettingChange(uFlags, lpszSection);
    App()->SettingChanged(uFlags, lpszSection);
}

// While a tray command runs (a dialog it opened, typically), a click only brings that
// window forward; no second menu opens.
bool CMainFrame::BringRunningCommandForward() {
    if (m_nTrayCommand == 0) {
        return false;
    }
    if (const HWND above = ::GetWindow(m_hWnd, GW_HWNDPREV)) {
        SetForegroundWindow(above);
    }
    return true;
}

void CMainFrame::TrackTrayMenu(int nPopup, UINT nFlags) {
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(IDR_TRAYMENU));
    const HMENU popup = GetSubMenu(menu, nPopup);
    if (nPopup == kLeftButtonMenu) {
        CMrgDoc* doc = GetMrgDoc();
        const bool device = doc != nullptr && doc->m_pDevice != nullptr;
        EnableMenuItem(popup, kChangeDisplayAreaPosition,
                       MF_BYPOSITION | (device ? MF_ENABLED : (MF_GRAYED | MF_DISABLED)));
    }
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    auto* view = static_cast<CMrgView*>(GetActiveView());
    if (view != nullptr) {
        view->CopyScreenBeforeMenu();
    }
    m_nTrayCommand = static_cast<UINT>(
        TrackPopupMenu(popup, TPM_RETURNCMD | nFlags, cursor.x, cursor.y, 0, m_hWnd, nullptr));
    const UINT chosen = m_nTrayCommand;
    if (chosen == ID_APP_EXIT) {
        // Posted, so the menu is gone before the frame starts closing.
        m_nTrayCommand = 0;
        PostMessage(WM_COMMAND, ID_APP_EXIT, 0);
    } else if (chosen != 0) {
        SendMessage(WM_COMMAND, chosen, 0);
        m_nTrayCommand = 0;
    }
    if ((view = static_cast<CMrgView*>(GetActiveView())) != nullptr) {
        view->DropScreenCopyAfterMenu();
    }
    PostMessage(WM_NULL, 0, 0);
    DestroyMenu(menu);
}

void CMainFrame::OnTrayNotify(LPARAM lParam) {
    switch (lParam) {
    case WM_CONTEXTMENU:
    case WM_RBUTTONUP:
        if (!BringRunningCommandForward()) {
            SetForegroundWindow(m_hWnd);
            TrackTrayMenu(kRightButtonMenu, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN);
        }
        break;
    case WM_LBUTTONUP:
        if (!BringRunningCommandForward()) {
            ForceForeground();
            TrackTrayMenu(kLeftButtonMenu, TPM_BOTTOMALIGN);
        }
        break;
    default:
        break;
    }
}
