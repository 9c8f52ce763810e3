// The application object: its title, its registry profile and the current-application lookup.
#pragma once

#include "../platform/win32.h"
#include "Object.h"

#include <string>

class CWinApp : public CObject {
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

  private:
    std::string SectionPath(LPCSTR lpszSection);

    std::string m_strAppName;
    bool m_bTitleLoaded;
    std::string m_strRegistryKey;
};

CWinApp* AfxGetApp();

// A message box owned by the application, with its title as caption.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
