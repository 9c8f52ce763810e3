// The application object: start-up hidden in the tray, power saving kept off while running,
// the two shortcut entries, its own settings, and where messages are shown.
#pragma once

#include "../model/MrgAppBase.h"
#include "../platform/hook_library.h"

#include <memory>
#include <vector>

class CMrgApp : public CMrgAppBase {
  public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    BOOL IsProfilePresent();
    // Switches off the screen saver and monitor power saving; bRemember keeps what was on.
    void SuppressPowerSaving(BOOL bRemember);
    void RestorePowerSaving();
    void SaveAppSettings();
    void SessionEnded(BOOL bEnding);
    void SettingChanged(UINT uFlags, LPCSTR lpszSection);
    void OnAppAbout();

    void ShowMessage(const std::string& text, BOOL bError) override;
    void SetTrayIcon(BOOL bDeviceAvailable) override;
    INT_PTR RunOptionSheet(CMrgDoc* pDoc, OPTION_VALUES& values) override;
    void SaveShortcuts() override;
    BOOL OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) override;

    BOOL m_bSaverWasActive = FALSE;
    BOOL m_bLowPowerWasActive = FALSE;
    BOOL m_bPowerOffWasActive = FALSE;
    BOOL m_bPowerSavingRestored = FALSE; // given back for a session's end or our exit
    BOOL m_bStarted = FALSE;             // the frame and its tray icon were made
    // The session's one running Corvane holds this; a second start finds it and ends.
    HANDLE m_hRunning = nullptr;
    static constexpr const char* kRunningName = "Local\\Velmora.Corvane.Running";

  private:
    bool ClaimTheSession();
    void LoadShortcuts();
    void WriteAppSettings();
    void WriteShortcut(std::size_t position, const SHORTCUT_ENTRY& entry);
};
