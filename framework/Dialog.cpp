#include "Dialog.h"

#include "WinApp.h"

#include <map>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

// Dialogs attach on WM_INITDIALOG, which carries the object.
std::map<HWND, CDialog*>& Dialogs() {
    static std::map<HWND, CDialog*> dialogs;
    return dialogs;
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
    CWnd* owner = m_pParentWnd;
    if (owner == nullptr && AfxGetApp() != nullptr) {
        owner = AfxGetApp()->m_pMainWnd;
    }
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(m_nIDHelp),
                                           owner ? owner->m_hWnd : nullptr, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    Dialogs().erase(m_hWnd);
    m_hWnd = nullptr;
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = hWnd;
        Dialogs()[hWnd] = dialog;
        return dialog->OnInitDialog();
    }
    const auto found = Dialogs().find(hWnd);
    if (found == Dialogs().end()) {
        return FALSE;
    }
    CDialog* dialog = found->second;
    // OK and Cancel arrive as clicks of their buttons, from Enter and Esc, or from the
    // close box.
    const bool clicked = message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED;
    if (clicked && LOWORD(wParam) == IDOK) {
        dialog->OnOK();
        return TRUE;
    }
    if (clicked && LOWORD(wParam) == IDCANCEL) {
        dialog->OnCancel();
        return TRUE;
    }
    if (message == WM_COMMAND) {
        return dialog->OnCommand(wParam, lParam);
    }
    return FALSE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx{bSaveAndValidate, this};
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
