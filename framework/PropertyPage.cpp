#include "PropertyPage.h"

#include "SheetFit.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate) : CDialog(nIDTemplate), m_psp() {
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.pszTemplate = MAKEINTRESOURCE(nIDTemplate);
    m_psp.pfnDlgProc = PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

// A page's WM_INITDIALOG carries its PROPSHEETPAGEA, whose lParam is the page object.
INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        auto* page = reinterpret_cast<CPropertyPage*>(description->lParam);
        page->AttachDialog(hWnd);
        CSheetFitting::PageCreated(hWnd);
        return page->OnInitDialog();
    }
    return Dispatch(FromDialogHandle(hWnd), message, wParam, lParam);
}

BOOL CPropertyPage::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && lParam != 0) {
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    }
    return CDialog::OnDialogMessage(message, wParam, lParam);
}

BOOL CPropertyPage::OnNotify(const NMHDR& header) {
    switch (header.code) {
    case PSN_SETACTIVE:
        SetMessageResult(OnSetActive() ? 0 : -1);
        return TRUE;
    case PSN_KILLACTIVE:
        SetMessageResult(OnKillActive() ? FALSE : TRUE);
        return TRUE;
    case PSN_APPLY:
        SetMessageResult(OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
    case PSN_RESET:
        OnReset();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive) {
        m_bFirstSetActive = FALSE;
    } else {
        UpdateData(FALSE);
    }
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() {
    OnCancel();
}
