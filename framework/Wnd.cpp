#include "Wnd.h"

#include "WinApp.h"

#include <map>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

std::map<HWND, CWnd*>& HandleMap() {
    static std::map<HWND, CWnd*> map;
    return map;
}

// The object whose window is being created: its first messages arrive before
// CreateWindowExA has returned the handle.
CWnd* g_pWndInit = nullptr;

const char kFrameClass[] = "CorvaneFrame";

} // namespace

CWnd::~CWnd() {
    if (m_hWnd != nullptr) {
        Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    const auto found = HandleMap().find(hWnd);
    return found == HandleMap().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
}

void CWnd::Detach() {
    HandleMap().erase(m_hWnd);
    m_hWnd = nullptr;
}

LPCSTR CWnd::RegisterFrameClass(UINT nIconId) {
    WNDCLASSA existing;
    if (!GetClassInfoA(GetModuleHandleA(nullptr), kFrameClass, &existing)) {
        WNDCLASSA windowClass{};
        // A double-click's second press must not arrive as another press.
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = AfxWndProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCE(nIconId));
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kFrameClass;
        RegisterClassA(&windowClass);
    }
    return kFrameClass;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
    cs.hInstance = GetModuleHandleA(nullptr);
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        return FALSE;
    }
    g_pWndInit = this;
    const HWND hWnd = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                      static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                      cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    g_pWndInit = nullptr;
    // A control of a system class never passes through AfxWndProc: the object takes its
    // handle here.
    if (hWnd != nullptr && m_hWnd == nullptr) {
        Attach(hWnd);
    }
    return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    POINT topLeft{lpRect->left, lpRect->top};
    POINT bottomRight{lpRect->right, lpRect->bottom};
    ::ClientToScreen(m_hWnd, &topLeft);
    ::ClientToScreen(m_hWnd, &bottomRight);
    *lpRect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr && g_pWndInit != nullptr) {
        pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        pWnd->Attach(hWnd);
    }
    if (pWnd == nullptr) {
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
    const LRESULT result = pWnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        CWinApp* app = AfxGetApp();
        // The end of the main window is the end of the message loop.
        if (app != nullptr && app->m_pMainWnd == pWnd) {
            app->m_pMainWnd = nullptr;
            PostQuitMessage(0);
        }
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) {
            return 0;
        }
        break;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    default:
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return 0;
}

void CWnd::OnTimer(UINT_PTR) {}

void CWnd::OnClose() {
    DestroyWindow();
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    // A command from a menu or a shortcut is dropped when its update handler disables it.
    if (lParam == 0) {
        CCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CmdMsg::Update, &state);
        if (!state.m_bEnabled) {
            return TRUE;
        }
    }
    return OnCmdMsg(nID, CmdMsg::Execute, nullptr);
}
