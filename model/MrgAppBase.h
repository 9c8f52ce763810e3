// What the document needs of the application object, which sits above the model: the
// first-run flag and the way messages reach the user.
#pragma once

#include "../framework/WinApp.h"

#include <string>

class CMrgAppBase : public CWinApp {
  public:
    // Shows the text as an error or as information.
    virtual void ShowMessage(const std::string& text, BOOL bError) = 0;
    // Turns a device error code into its sentence and shows it as an error.
    void ReportDeviceError(DWORD dwError);
    // The tray icon shows whether a usable device is open.
    virtual void SetTrayIcon(BOOL bDeviceAvailable) = 0;

    BOOL m_bFirstRun = FALSE;
};

CMrgAppBase* GetMrgApp();
