#include "MrgApp.h"

void CMrgApp::ShowMessage(const std::string& text, BOOL bError) {
    // Until the hidden main frame exists there is no tray icon to carry a balloon.
    AfxMessageBox(text.c_str(), bError ? MB_ICONERROR : MB_ICONINFORMATION, 0);
}
