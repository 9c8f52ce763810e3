#include "MrgApp.h"

#include "../framework/Dialog.h"
#include "../framework/DocTemplate.h"
#include "../model/MrgDoc.h"
#include "../options/OptionSheet.h"
#include "../res/resource.h"
#include "../res/version.h"
#include "../view/MrgView.h"
#include "MainFrame.h"
#include "ShortcutCommands.h"

#include <string>

namespace {

const char kRegistryKey[] = "Velmora";
const char kGeneral[] = "General";
const char kShortcutKeys[] = "ShortcutKeys";
// 1.10: major in the high word, minor in the low word, as in the version resource.
constexpr int kSettingsVersion = (CORVANE_VERSION_MAJOR << 16) | CORVANE_VERSION_MINOR;

// The screen saver and the two monitor power phases, each with its get and set actions.
struct PowerSetting {
    UINT get;
    UINT set;
    BOOL CMrgApp::*remembered;
};

const PowerSetting kPowerSettings[] = {
    {SPI_GETSCREENSAVEACTIVE, SPI_SETSCREENSAVEACTIVE, &CMrgApp::m_bSaverWasActive},
    {SPI_GETLOWPOWERACTIVE, SPI_SETLOWPOWERACTIVE, &CMrgApp::m_bLowPowerWasActive},
    {SPI_GETPOWEROFFACTIVE, SPI_SETPOWEROFFACTIVE, &CMrgApp::m_bPowerOffWasActive},
};

std::string ValueName(const char* prefix, std::size_t position) {
    return prefix + std::to_string(position + 1);
}

class CAboutDlg : public CDialog {
  public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};

} // namespace

// A second Corvane would fight the first over the converter, its shortcuts and its settings:
// it leaves the running one alone and ends before touching anything.
bool CMrgApp::ClaimTheSession() {
    m_hRunning = CreateMutexA(nullptr, FALSE, kRunningName);
    if (m_hRunning != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(m_hRunning);
        m_hRunning = nullptr;
        return false;
    }
    return true;
}

BOOL CMrgApp::InitInstance() {
    if (!ClaimTheSession()) {
        return FALSE;
    }
    // The Option sheet's trackbars and tabs are common controls.
    InitCommonControls();
    SuppressPowerSaving(TRUE);
    SetRegistryKey(kRegistryKey);
    m_bFirstRun = !IsProfilePresent();
    LoadShortcuts();
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, RUNTIME_CLASS(CMrgDoc), RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CMrgView)));
    // The frame is activated hidden: the tray icon is all the user sees.
    m_nCmdShow = SW_HIDE;
    if (!ProcessShellCommand()) {
        return FALSE;
    }
    m_pMainWnd->ShowWindow(SW_HIDE);
    UpdateWindow(m_pMainWnd->m_hWnd);
    m_bStarted = TRUE;
    return TRUE;
}

void CMrgApp::LoadShortcuts() {
    for (std::size_t position = 0; position < SHORTCUT_COUNT; ++position) {
        const ShortcutCommand& command = SHORTCUT_COMMANDS[position];
        auto entry = std::make_unique<SHORTCUT_ENTRY>();
        // Taken as stored: a key outside the table is registered all the same.
        entry->vk = GetProfileInt(kShortcutKeys, ValueName("Key_", position).c_str(),
                                  static_cast<int>(DEFAULT_SHORTCUTS[position].vk));
        entry->flags = GetProfileInt(kShortcutKeys, ValueName("Flags_", position).c_str(),
                                     static_cast<int>(DEFAULT_SHORTCUTS[position].flags));
        entry->hwnd = nullptr;
        entry->message = command.message;
        entry->wParam = command.wParam;
        entry->lParam = command.lParam;
        m_shortcutList.push_back(std::move(entry));
    }
}

int CMrgApp::ExitInstance() {
    if (m_hRunning == nullptr) {
        return CWinApp::ExitInstance(); // a second start: it wrote nothing and takes nothing back
    }
    WriteAppSettings();
    // At a session's end the frame still stands and the library still holds the entries:
    // take each back before it is freed.
    const bool registered = m_pMainWnd != nullptr;
    for (const auto& entry : m_shortcutList) {
        if (registered) {
            RemoveShortcut(entry.get());
        }
    }
    m_shortcutList.clear();
    CloseHandle(m_hRunning);
    m_hRunning = nullptr;
    return CWinApp::ExitInstance();
}

void CMrgApp::SaveAppSettings() {
    WriteAppSettings();
}

void CMrgApp::WriteAppSettings() {
    RestorePowerSaving();
    WriteProfileInt(kGeneral, "Version", kSettingsVersion);
    SaveShortcuts();
}

void CMrgApp::SaveShortcuts() {
    for (std::size_t position = 0; position < m_shortcutList.size(); ++position) {
        WriteShortcut(position, *m_shortcutList[position]);
    }
}

void CMrgApp::WriteShortcut(std::size_t position, const SHORTCUT_ENTRY& entry) {
    WriteProfileInt(kShortcutKeys, ValueName("Key_", position).c_str(), static_cast<int>(entry.vk));
    WriteProfileInt(kShortcutKeys, ValueName("Flags_", position).c_str(),
                    static_cast<int>(entry.flags));
}

BOOL CMrgApp::IsProfilePresent() {
    HKEY software = nullptr;
    HKEY company = nullptr;
    HKEY profile = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "software", 0, KEY_READ, &software) == ERROR_SUCCESS) {
        if (RegOpenKeyExA(software, GetRegistryKeyName().c_str(), 0, KEY_READ, &company) ==
            ERROR_SUCCESS) {
            if (RegOpenKeyExA(company, GetAppTitle().c_str(), 0, KEY_READ, &profile) ==
                ERROR_SUCCESS) {
                RegCloseKey(profile);
            } else {
                profile = nullptr;
            }
            RegCloseKey(company);
        }
        RegCloseKey(software);
    }
    return profile != nullptr;
}

void CMrgApp::SuppressPowerSaving(BOOL bRemember) {
    // Today's Windows sleeps the display by the power plan, whatever the settings below say;
    // a display that sleeps sends the converter no picture. Held until power saving is given
    // back.
    SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED);
    BOOL active[std::size(kPowerSettings)] = {};
    for (std::size_t i = 0; i < std::size(kPowerSettings); ++i) {
        SystemParametersInfoA(kPowerSettings[i].get, 0, &active[i], 0);
        // Broadcast, but not written to the user's profile.
        if (active[i]) {
            SystemParametersInfoA(kPowerSettings[i].set, 0, nullptr, SPIF_SENDWININICHANGE);
        }
    }
    if (bRemember) {
        for (std::size_t i = 0; i < std::size(kPowerSettings); ++i) {
            this->*kPowerSettings[i].remembered = active[i];
        }
    }
}

void CMrgApp::RestorePowerSaving() {
    // Our own broadcast comes back to the frame as a setting change; it must not undo this.
    m_bPowerSavingRestored = TRUE;
    SetThreadExecutionState(ES_CONTINUOUS);
    for (const PowerSetting& setting : kPowerSettings) {
        if (this->*setting.remembered) {
            SystemParametersInfoA(setting.set, 1, nullptr, SPIF_SENDWININICHANGE);
        }
    }
}

void CMrgApp::SessionEnded(BOOL bEnding) {
    // Cancelled after the query had restored power saving: switch it off again.
    if (!bEnding) {
        m_bPowerSavingRestored = FALSE;
        SuppressPowerSaving(FALSE);
    }
}

// Whoever switches power saving on while we run, it goes off again at once; once we have
// given it back for the session's end or our exit, it stays.
void CMrgApp::SettingChanged(UINT, LPCSTR) {
    if (!m_bPowerSavingRestored) {
        SuppressPowerSaving(FALSE);
    }
}

void CMrgApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

BOOL CMrgApp::OnCmdMsg(UINT nID, CmdMsg kind, CCmdUI* pCmdUI) {
    static const CommandEntry<CMrgApp> kCommands[] = {
        {ID_APP_ABOUT, &CMrgApp::OnAppAbout, nullptr},
    };
    return DispatchCommand(this, kCommands, nID, kind, pCmdUI) ||
           CMrgAppBase::OnCmdMsg(nID, kind, pCmdUI);
}

void CMrgApp::ShowMessage(const std::string& text, BOOL bError) {
    // Once the frame and its tray icon are gone the program is closing: a box would hold the
    // exit (and a session's end) until someone answered it, for a converter left behind.
    if (m_pMainWnd == nullptr && m_bStarted) {
        return;
    }
    // Before the hidden frame exists, or while it is shown, a message box; otherwise a
    // balloon on the tray icon, the utility's usual state.
    if (m_pMainWnd == nullptr || m_pMainWnd->IsWindowVisible()) {
        AfxMessageBox(text.c_str(), bError ? MB_ICONERROR : MB_ICONINFORMATION, 0);
        return;
    }
    static_cast<CMainFrame*>(m_pMainWnd)->ShowBalloon(text, bError ? NIIF_ERROR : NIIF_INFO);
}

void CMrgApp::SetTrayIcon(BOOL bDeviceAvailable) {
    if (m_pMainWnd != nullptr) {
        static_cast<CMainFrame*>(m_pMainWnd)->SetTrayIcon(bDeviceAvailable);
    }
}

INT_PTR CMrgApp::RunOptionSheet(CMrgDoc* pDoc, OPTION_VALUES& values) {
    return ::RunOptionSheet(pDoc, values);
}
