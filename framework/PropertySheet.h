// A modal property sheet: a caption, pages in the order they are added, and OK and Cancel.
#pragma once

#include "PropertyPage.h"

#include <string>
#include <vector>

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
  public:
    CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    void AddPage(CPropertyPage* pPage);

    // IDOK or IDCANCEL; -1 when the sheet cannot be shown.
    virtual INT_PTR DoModal();

    // The sheet as PropertySheetA takes it; pages and caption are filled in when it runs.
    PROPSHEETHEADERA m_psh;

  private:
    std::vector<CPropertyPage*> m_pages;
    std::string m_strCaption;
    CWnd* m_pParentWnd;
};
