// corvane.exe: the application on the real Win32 API.
#include "framework/WinMain.h"
#include "shell/MrgApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CMrgApp app;
    return AfxWinMain(app);
}
