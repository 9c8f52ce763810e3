#include "PropertySheet.h"

#include "ResourceString.h"
#include "SheetFit.h"

#include <utility>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_psh(), m_strCaption(LoadResourceString(nIDCaption)), m_pParentWnd(pParentWnd) {
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    m_pages.push_back(pPage);
}

INT_PTR CPropertySheet::DoModal() {
    std::vector<PROPSHEETPAGEA> pages;
    std::vector<SIZE> pageUnits;
    for (CPropertyPage* page : m_pages) {
        page->m_psp.hInstance = GetModuleHandleA(nullptr);
        pages.push_back(page->m_psp);
        pageUnits.push_back(DialogTemplateUnits(page->m_psp.hInstance, page->m_psp.pszTemplate));
    }
    PROPSHEETHEADERA header = m_psh;
    header.dwFlags |= PSH_PROPSHEETPAGE;
    header.hwndParent = AfxGetModalOwner(m_pParentWnd);
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    const CSheetFitting fitting(std::move(pageUnits));
    const INT_PTR result = PropertySheetA(&header);
    if (result < 0) {
        return -1;
    }
    return result > 0 ? IDOK : IDCANCEL;
}
