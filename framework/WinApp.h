// The application object: its title and registry profile, its document template, the main
// window, the message loop and the exit.
#pragma once

#include "../platform/win32.h"
#include "CmdTarget.h"

#include <memory>
#include <string>

class CWnd;
class CSingleDocTemplate;

class CWinApp : public CCmdTarget {
  public:
    // With no name the title comes from string 57344 (AFX_IDS_APP_TITLE).
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    const std::string& GetAppTitle();

    // From here on the profile is HKEY_CURRENT_USER\Software\<key>\<title>\<section>.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    const std::string& GetRegistryKeyName() const { return m_strRegistryKey; }
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // The message loop; ExitInstance runs when it ends. Returns the exit code.
    virtual int Run();

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate);
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);

    BOOL OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) override;
    void OnFileNew();
    void OnAppExit();
    // The start-up command: there are no arguments, so a new document.
    BOOL ProcessShellCommand();

    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    HINSTANCE m_hInstance = nullptr;

  private:
    std::string SectionPath(LPCSTR lpszSection);

    std::string m_strAppName;
    bool m_bTitleLoaded;
    std::string m_strRegistryKey;
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    bool m_bNewDocumentCreated = false;
};

CWinApp* AfxGetApp();

// A message box owned by the main window, with the application title as caption.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
