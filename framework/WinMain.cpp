#include "WinMain.h"

#include "Wnd.h"

BOOL AfxWinInit(CWinApp& app) {
    if (app.InitInstance()) {
        return TRUE;
    }
    if (app.m_pMainWnd != nullptr) {
        app.m_pMainWnd->DestroyWindow();
    }
    app.ExitInstance();
    return FALSE;
}

int AfxWinMain(CWinApp& app) {
    return AfxWinInit(app) ? app.Run() : -1;
}
