// What the document needs of the application object, which sits above the model: the
// first-run flag, the way messages reach the user, the shortcut entries, and the Option
// sheet. The sheet's pages live in options/, above the model; the application, which sees
// every layer, runs the sheet for the document's Option command here.
#pragma once

#include "../framework/WinApp.h"
#include "../platform/hook_library.h"
#include "OptionValues.h"

#include <memory>
#include <string>
#include <vector>

class CMrgDoc;

class CMrgAppBase : public CWinApp {
  public:
    // Shows the text as an error or as information.
    virtual void ShowMessage(const std::string& text, BOOL bError) = 0;
    // Turns a device error code into its sentence and shows it as an error.
    void ReportDeviceError(DWORD dwError);
    // The tray icon shows whether a usable device is open.
    virtual void SetTrayIcon(BOOL bDeviceAvailable) = 0;
    // Runs the Option sheet on the values; after IDOK they hold what the pages ended with.
    virtual INT_PTR RunOptionSheet(CMrgDoc* pDoc, OPTION_VALUES& values) = 0;
    // Writes the shortcut keys to the profile, as the exit does.
    virtual void SaveShortcuts() = 0;

    BOOL m_bFirstRun = FALSE;
    // The global shortcuts, in command order; the hook library holds pointers to them.
    std::vector<std::unique_ptr<SHORTCUT_ENTRY>> m_shortcutList;
};

CMrgAppBase* GetMrgApp();
