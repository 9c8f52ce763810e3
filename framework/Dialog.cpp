#include "Dialog.h"

#include "DialogInit.h"
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

HWND AfxGetModalOwner(CWnd* pParentWnd) {
    CWnd* owner = pParentWnd;
    if (owner == nullptr && AfxGetApp() != nullptr) {
        owner = AfxGetApp()->m_pMainWnd;
    }
    return owner ? owner->m_hWnd : nullptr;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(m_nIDHelp),
                        AfxGetModalOwner(m_pParentWnd), DialogProc, reinterpret_cast<LPARAM>(this));
    DetachDialog();
    return result;
}

void CDialog::AttachDialog(HWND hWnd) {
    m_hWnd = hWnd;
    Dialogs()[hWnd] = this;
}

void CDialog::DetachDialog() {
    if (m_hWnd != nullptr) {
        Dialogs().erase(m_hWnd);
        m_hWnd = nullptr;
    }
}

CDialog* CDialog::FromDialogHandle(HWND hWnd) {
    const auto found = Dialogs().find(hWnd);
    return found == Dialogs().end() ? nullptr : found->second;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->AttachDialog(hWnd);
        return dialog->OnInitDialog();
    }
    return Dispatch(FromDialogHandle(hWnd), message, wParam, lParam);
}

INT_PTR CDialog::Dispatch(CDialog* dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (dialog == nullptr) {
        return FALSE;
    }
    if (message == WM_DESTROY) {
        dialog->DetachDialog();
        return FALSE;
    }
    return dialog->OnDialogMessage(message, wParam, lParam);
}

BOOL CDialog::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // OK and Cancel arrive as clicks of their buttons, from Enter and Esc, or from the
        // close box.
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return OnCommand(wParam, lParam);
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDialog::OnInitDialog() {
    ExecuteDlgInit(m_hWnd, m_nIDHelp);
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
