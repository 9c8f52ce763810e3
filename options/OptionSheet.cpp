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

// One list of the values the pages hold, read either way: into the pages before the sheet
// runs, back out of them after OK.
template <class T> void Carry(T& value, T& member, bool intoPages) {
    if (intoPages) {
        member = value;
    } else {
        value = member;
    }
}

void Exchange(OPTION_VALUES& values, COptionSheet& sheet, bool intoPages) {
    CDevicePage& normal = sheet.m_pageNormal;
    Carry(values.nBrightness, normal.m_nBrightness, intoPages);
    Carry(values.nContrast, normal.m_nContrast, intoPages);
    Carry(values.nSaturation, normal.m_nSaturation, intoPages);
    Carry(values.nSharpness, normal.m_nSharpness, intoPages);
    Carry(values.nAspectRatio, normal.m_nAspectRatio, intoPages);
    Carry(values.bLuminanceFilter, normal.m_bLuminanceFilter, intoPages);
    Carry(values.bChromaFilter, normal.m_bChromaFilter, intoPages);
    Carry(values.nFlickerFilter, normal.m_nFlickerFilter, intoPages);
    CDeviceExPage& extension = sheet.m_pageExtension;
    Carry(values.rcTvPosition, extension.m_rcTvPosition, intoPages);
    Carry(values.nVideoStandard, extension.m_nVideoStandard, intoPages);
    Carry(values.bPedestal, extension.m_bPedestal, intoPages);
    Carry(values.bRgbGain, extension.m_bRgbGain, intoPages);
    Carry(values.nTvPositionSize, extension.m_nTvPositionSize, intoPages);
    Carry(values.bSuppressStripe, extension.m_bSuppressStripe, intoPages);
    CShortcutKeyPage& shortcuts = sheet.m_pageShortcutKey;
    if (intoPages) {
        shortcuts.m_nCount = static_cast<int>(values.shortcutKeys.size());
        shortcuts.m_pKeys = std::make_unique<SHORTCUT_KEY[]>(values.shortcutKeys.size());
        std::copy(values.shortcutKeys.begin(), values.shortcutKeys.end(), shortcuts.m_pKeys.get());
    } else {
        std::copy(shortcuts.m_pKeys.get(), shortcuts.m_pKeys.get() + shortcuts.m_nCount,
                  values.shortcutKeys.begin());
    }
}

} // namespace

INT_PTR RunOptionSheet(CMrgDoc* pDoc, OPTION_VALUES& values) {
    COptionSheet sheet(IDS_OPTION_CAPTION, nullptr, 0);
    sheet.m_pageNormal.m_pDoc = pDoc;
    sheet.m_pageExtension.m_pDoc = pDoc;
    Exchange(values, sheet, true);
    const INT_PTR result = sheet.DoModal();
    if (result == IDOK) {
        Exchange(values, sheet, false);
    }
    return result;
}
