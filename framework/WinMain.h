// What the framework does around the application's InitInstance and Run.
#pragma once

#include "WinApp.h"

// Starts the application; on failure destroys any main window and still runs
// ExitInstance. TRUE when the application is up.
BOOL AfxWinInit(CWinApp& app);

// Starts the application and runs its message loop; returns the exit code.
int AfxWinMain(CWinApp& app);
