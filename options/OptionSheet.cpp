#include "OptionSheet.h"

#include "../framework/FrameWnd.h"
#include "../framework/WinApp.h"
#include "../model/MrgDoc.h"
#include "../res/resource.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(COptionSheet, CPropertySheet)

namespace {

// The document the main window shows, or nullptr before there is one.
const CMrgDoc* ActiveDocument() {
    CWinApp* app = AfxGetApp();
    const auto* frame = app ? dynamic_cast<const CFrameWnd*>(app->m_pMainWnd) : nullptr;
    return frame ? dynamic_cast<const CMrgDoc*>(frame->GetActiveDocument()) : nullptr;
}

} // namespace

COptionSheet::COptionSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage) {
    m_psh.dwFlags = (m_psh.dwFlags | PSH_NOAPPLYNOW) & ~static_cast<DWORD>(PSH_HASHELP);
    const CMrgDoc* doc = ActiveDocument();
    if (doc != nullptr && doc->m_pDevice != nullptr) {
        for (CPropertyPage* page : {static_cast<CPropertyPage*>(&m_pageNormal),
                                    static_cast<CPropertyPage*>(&m_pageExtension)}) {
            page->m_psp.dwFlags &= ~static_cast<DWORD>(PSP_HASHELP);
            AddPage(page);
        }
    }
    m_pageShortcutKey.m_psp.dwFlags &= ~static_cast<DWORD>(PSP_HASHELP);
    AddPage(&m_pageShortcutKey);
}

namespace {

// The Shortcut Key page works on an array of its own: filled before the sheet runs, read back
// after OK.
void GiveShortcutKeys(const OPTION_VALUES& values, CShortcutKeyPage& page) {
    page.m_nCount = static_cast<int>(values.shortcutKeys.size());
    page.m_pKeys = std::make_unique<SHORTCUT_KEY[]>(values.shortcutKeys.size());
    std::copy(values.shortcutKeys.begin(), values.shortcutKeys.end(), page.m_pKeys.get());
}

void TakeShortcutKeys(const CShortcutKeyPage& page, OPTION_VALUES& values) {
    std::copy(page.m_pKeys.get(), page.m_pKeys.get() + page.m_nCount, values.shortcutKeys.begin());
}

} // namespace

INT_PTR RunOptionSheet(CMrgDoc* pDoc, OPTION_VALUES& values) {
    COptionSheet sheet(IDS_OPTION_CAPTION, nullptr, 0);
    // The two device pages edit the settings in place; the caller keeps them only after OK.
    sheet.m_pageNormal.m_pDoc = pDoc;
    sheet.m_pageNormal.m_pSettings = &values.settings;
    sheet.m_pageExtension.m_pDoc = pDoc;
    sheet.m_pageExtension.m_pSettings = &values.settings;
    GiveShortcutKeys(values, sheet.m_pageShortcutKey);
    const INT_PTR result = sheet.DoModal();
    if (result == IDOK) {
        TakeShortcutKeys(sheet.m_pageShortcutKey, values);
    }
    return result;
}
