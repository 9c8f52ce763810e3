#include "WinApp.h"

#include "AfxRes.h"
#include "DocTemplate.h"
#include "ResourceString.h"
#include "Wnd.h"

namespace {

CWinApp* g_app = nullptr;

} // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_strAppName(lpszAppName ? lpszAppName : ""), m_bTitleLoaded(lpszAppName != nullptr) {
    m_hInstance = GetModuleHandleA(nullptr);
    g_app = this;
}

CWinApp::~CWinApp() {
    m_pDocTemplate.reset();
    if (g_app == this) {
        g_app = nullptr;
    }
}

const std::string& CWinApp::GetAppTitle() {
    // Loaded on first use: the resources may not be reachable while statics are built.
    if (!m_bTitleLoaded) {
        m_strAppName = LoadResourceString(AFX_IDS_APP_TITLE);
        m_bTitleLoaded = true;
    }
    return m_strAppName;
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey;
}

std::string CWinApp::SectionPath(LPCSTR lpszSection) {
    return "Software\\" + m_strRegistryKey + "\\" + GetAppTitle() + "\\" + lpszSection;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(lpszSection).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return static_cast<UINT>(nDefault);
    }
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status =
        RegQueryValueExA(key, lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) {
        return static_cast<UINT>(nDefault);
    }
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(lpszSection).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return FALSE;
    }
    const DWORD value = static_cast<DWORD>(nValue);
    const LSTATUS status = RegSetValueExA(key, lpszEntry, 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

int CWinApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return ExitInstance();
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate) {
    m_pDocTemplate = std::move(pTemplate);
}

BOOL CWinApp::SaveAllModified() {
    return m_pDocTemplate == nullptr || m_pDocTemplate->SaveAllModified();
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
    if (m_pDocTemplate != nullptr) {
        m_pDocTemplate->CloseAllDocuments(bEndSession);
    }
}

BOOL CWinApp::OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) {
    static const CommandEntry<CWinApp> kCommands[] = {
        {ID_FILE_NEW, &CWinApp::OnFileNew, nullptr},
        {ID_APP_EXIT, &CWinApp::OnAppExit, nullptr},
    };
    return DispatchCommand(this, kCommands, nID, kind, pCmdUI) ||
           CCmdTarget::OnCmdMsg(nID, kind, pCmdUI);
}

void CWinApp::OnFileNew() {
    m_bNewDocumentCreated = m_pDocTemplate != nullptr && m_pDocTemplate->OpenDocumentFile();
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd != nullptr) {
        m_pMainWnd->SendMessage(WM_CLOSE);
    }
}

BOOL CWinApp::ProcessShellCommand() {
    OnFileNew();
    return m_bNewDocumentCreated;
}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
    CWinApp* app = AfxGetApp();
    const HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    return MessageBoxA(owner, lpszText, app ? app->GetAppTitle().c_str() : nullptr, nType);
}
