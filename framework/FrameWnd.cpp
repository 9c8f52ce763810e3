#include "FrameWnd.h"

#include "Document.h"
#include "ResourceString.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

namespace {

constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
constexpr DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE;
// Where a frame first appears; the program's frames place themselves once created.
const RECT kDefaultRect = {100, 100, 740, 580};

} // namespace

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style &= ~static_cast<LONG>(FWS_ADDTOTITLE);
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    return CreateFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext,
                       LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(nIDResource)));
}

BOOL CFrameWnd::CreateFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                            CCreateContext* pContext, HMENU hMenu) {
    m_nIDHelp = nIDResource;
    const std::string document = LoadResourceString(nIDResource);
    m_strTitle = document.substr(0, document.find('\n'));
    const LPCSTR className = RegisterFrameClass(nIDResource);
    if (!CreateEx(0, className, m_strTitle.c_str(), dwDefaultStyle, kDefaultRect, pParentWnd, 0,
                  pContext)) {
        return FALSE;
    }
    if (hMenu != nullptr) {
        DestroyMenu(hMenu); // the program's frames have no menu bar to hang it on
    }
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    const auto* context = static_cast<const CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (context == nullptr || context->m_pNewViewClass == nullptr) {
        return 0;
    }
    auto* view = static_cast<CView*>(context->m_pNewViewClass->CreateObject());
    if (view == nullptr) {
        return -1;
    }
    RECT client{};
    GetClientRect(&client);
    // A view whose creation fails is destroyed, and so deleted, with its window.
    return view->CreateEx(WS_EX_CLIENTEDGE, RegisterFrameClass(m_nIDHelp), "", AFX_WS_DEFAULT_VIEW,
                          client, this, AFX_IDW_PANE_FIRST, const_cast<CCreateContext*>(context))
               ? 0
               : -1;
}

void CFrameWnd::SetActiveView(CView* pViewNew) {
    m_pViewActive = pViewNew;
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    if (m_pViewActive == nullptr && pDoc != nullptr && !pDoc->GetViews().empty()) {
        SetActiveView(pDoc->GetViews().front());
    }
    if (m_pViewActive != nullptr) {
        m_pViewActive->OnInitialUpdate();
    }
    if (bMakeVisible) {
        CWinApp* app = AfxGetApp();
        ActivateFrame(app != nullptr ? app->m_nCmdShow : -1);
    }
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) {
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, kind, pCmdUI)) {
        return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, kind, pCmdUI)) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, kind, pCmdUI);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_ENDSESSION:
        OnEndSession(static_cast<BOOL>(wParam));
        return 0;
    case WM_SETTINGCHANGE:
        OnSettingChange(static_cast<UINT>(wParam), reinterpret_cast<LPCSTR>(lParam));
        return 0;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        break;
    // The frame passes the keyboard on to its view.
    case WM_SETFOCUS:
        if (m_pViewActive != nullptr) {
            ::SetFocus(m_pViewActive->m_hWnd);
            return 0;
        }
        break;
    case WM_SIZE:
        RecalcLayout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CFrameWnd::OnClose() {
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        if (!app->SaveAllModified()) {
            return;
        }
        // Closing the documents destroys this frame with them.
        app->CloseAllDocuments(FALSE);
        if (app->m_pMainWnd == nullptr) {
            return;
        }
    }
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

BOOL CFrameWnd::OnQueryEndSession() {
    CWinApp* app = AfxGetApp();
    return app == nullptr || app->SaveAllModified();
}

void CFrameWnd::OnEndSession(BOOL bEnding) {
    CWinApp* app = AfxGetApp();
    if (bEnding && app != nullptr) {
        app->CloseAllDocuments(TRUE);
        app->ExitInstance();
    }
}

void CFrameWnd::OnSettingChange(UINT, LPCSTR) {}

void CFrameWnd::OnInitMenuPopup(HMENU hPopupMenu, UINT, BOOL bSysMenu) {
    if (bSysMenu) {
        return;
    }
    const int count = GetMenuItemCount(hPopupMenu);
    for (int index = 0; index < count; ++index) {
        const UINT id = GetMenuItemID(hPopupMenu, index);
        // Separators and submenus are left as they are.
        if (id == 0 || id == static_cast<UINT>(-1)) {
            continue;
        }
        CCmdUI state;
        state.m_nID = id;
        state.m_nIndex = static_cast<UINT>(index);
        state.m_hMenu = hPopupMenu;
        state.DoUpdate(this, TRUE);
    }
}

// The view fills the client area. It is found by its pane id, since the frame is sized while
// it is being created, before the view becomes the active one.
void CFrameWnd::RecalcLayout(int cx, int cy) {
    const HWND view = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (view != nullptr) {
        ::SetWindowPos(view, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CFrameWnd::OnActivate(UINT nState, HWND) {
    if (m_pViewActive == nullptr) {
        return;
    }
    const BOOL active = nState != WA_INACTIVE;
    m_pViewActive->OnActivateView(active, m_pViewActive, m_pViewActive);
    if (active) {
        ::SetFocus(m_pViewActive->m_hWnd);
    }
}
