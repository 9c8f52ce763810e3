// A page of a property sheet: a dialog from its template, made by the sheet the first time
// its tab is chosen, and told when it becomes current, when it is left, and when the sheet
// ends with OK or Cancel.
#pragma once

#include "Dialog.h"

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
  public:
    explicit CPropertyPage(UINT nIDTemplate);

    // The page as PropertySheetA takes it; the sheet fills in the rest when it runs.
    PROPSHEETPAGEA m_psp;

    // The page becomes current: the first time after OnInitDialog, later again with the
    // controls refreshed from the members. FALSE keeps it from being shown.
    virtual BOOL OnSetActive();
    // The page is left for another, or OK is pressed on it: the controls go into the
    // members. FALSE keeps the page (and the sheet) where it is.
    virtual BOOL OnKillActive();
    // OK was pressed and every page agreed: OnOK. FALSE keeps the sheet open.
    virtual BOOL OnApply();
    // Cancel: OnCancel.
    virtual void OnReset();

    void OnOK() override {}
    void OnCancel() override {}

    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    BOOL OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    BOOL OnNotify(const NMHDR& header);
    BOOL m_bFirstSetActive = TRUE;
};
