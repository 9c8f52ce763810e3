// A dialog from a dialog resource, with data exchange between its controls and members: run
// modally by DoModal, or made by a property sheet as one of its pages.
#pragma once

#include "Wnd.h"

#include <cstddef>

class CDialog;

struct CDataExchange {
    BOOL m_bSaveAndValidate; // TRUE: controls to members
    CDialog* m_pDlgWnd;
};

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
  public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    virtual INT_PTR DoModal();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult);

    // The dialog's controls, by id.
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(GetDlgItem(nID), message, wParam, lParam);
    }
    void CheckDlgButton(int nID, UINT nCheck) const {
        SendDlgItemMessage(nID, BM_SETCHECK, nCheck);
    }
    UINT IsDlgButtonChecked(int nID) const {
        return static_cast<UINT>(SendDlgItemMessage(nID, BM_GETCHECK));
    }
    void EnableDlgItem(int nID, BOOL bEnable) const { ::EnableWindow(GetDlgItem(nID), bEnable); }

    UINT m_nIDHelp; // the template's id

  protected:
    // Fills the combo boxes from the dialog's initialisation data, then the controls from the
    // members.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnHScroll(UINT /*nSBCode*/, UINT /*nPos*/, HWND /*hScrollBar*/) {}

    // A message to the dialog procedure; TRUE when handled, with the answer for the sender
    // in DWLP_MSGRESULT.
    virtual BOOL OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetMessageResult(LONG_PTR result) const {
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    }

    // A control's notification, for the dialog's own table of {control, code, handler}.
    template <class T> struct NotifyEntry {
        int id;
        UINT code;
        void (T::*handler)();
    };
    template <class T, std::size_t N>
    static BOOL DispatchNotify(T* self, const NotifyEntry<T> (&table)[N], WPARAM wParam) {
        for (const NotifyEntry<T>& entry : table) {
            if (entry.id == LOWORD(wParam) && entry.code == HIWORD(wParam)) {
                (self->*entry.handler)();
                return TRUE;
            }
        }
        return FALSE;
    }

    // The dialog procedure's side of a dialog object: the window is known from
    // WM_INITDIALOG on, and forgotten when it is destroyed.
    void AttachDialog(HWND hWnd);
    static INT_PTR Dispatch(CDialog* dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static CDialog* FromDialogHandle(HWND hWnd);

  private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void DetachDialog();
    CWnd* m_pParentWnd;
};

// The window a dialog without an owner of its own is modal to: the application's main window.
HWND AfxGetModalOwner(CWnd* pParentWnd);
