// A property sheet grown to show its pages whole. Windows measures the pages' templates in
// the sheet's own font; a page in a larger font (the Japanese pages' 9-point one beside the
// sheet's 8-point font) then reaches past the sheet's edge and is cut off.
#pragma once

#include "../platform/win32.h"

#include <vector>

// A dialog template's size in dialog units, or 0 by 0 when it cannot be read.
SIZE DialogTemplateUnits(HINSTANCE hInstance, LPCSTR lpszTemplate);

// Grows the sheet, its tab control and the page so that the largest of the pages, measured in
// the page's own font, fits; the buttons move with the sheet's bottom right corner. Nothing
// changes when every page fits already.
void FitSheetToPages(HWND hPage, const std::vector<SIZE>& pageUnits);

// In the middle of the screen. Windows leaves a property sheet at its owner's corner: for
// Corvane, the hidden frame's, the screen's top left.
void CentreOnScreen(HWND hWnd);

// While a sheet opens: the sizes of its pages' templates, and the sheet fitted to them and
// centred when its first page is created (before that, the sheet has no page whose font can
// measure them).
class CSheetFitting {
  public:
    explicit CSheetFitting(std::vector<SIZE> pageUnits);
    ~CSheetFitting();
    CSheetFitting(const CSheetFitting&) = delete;
    CSheetFitting& operator=(const CSheetFitting&) = delete;

    // A page of the opening sheet was created: the first fits the sheet.
    static void PageCreated(HWND hPage);

  private:
    std::vector<SIZE> m_pageUnits;
    bool m_bFitted = false;
    CSheetFitting* m_pOuter;
};
