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

INT_PTR RunOptionSheet(CMrgDoc* pDoc, OPTION_VALUES& values) {
    COptionSheet sheet(IDS_OPTION_CAPTION, nullptr, 0);
    CDevicePage& normal = sheet.m_pageNormal;
    normal.m_pDoc = pDoc;
    normal.m_nBrightness = values.nBrightness;
    normal.m_nContrast = values.nContrast;
    normal.m_nSaturation = values.nSaturation;
    normal.m_nSharpness = values.nSharpness;
    normal.m_nAspectRatio = values.nAspectRatio;
    normal.m_bLuminanceFilter = values.bLuminanceFilter;
    normal.m_bChromaFilter = values.bChromaFilter;
    normal.m_nFlickerFilter = values.nFlickerFilter;
    CDeviceExPage& extension = sheet.m_pageExtension;
    extension.m_pDoc = pDoc;
    extension.m_rcTvPosition = values.rcTvPosition;
    extension.m_nVideoStandard = values.nVideoStandard;
    extension.m_bPedestal = values.bPedestal;
    extension.m_bRgbGain = values.bRgbGain;
    extension.m_nTvPositionSize = values.nTvPositionSize;
    extension.m_bSuppressStripe = values.bSuppressStripe;
    CShortcutKeyPage& shortcuts = sheet.m_pageShortcutKey;
    shortcuts.m_nCount = static_cast<int>(values.shortcutKeys.size());
    shortcuts.m_pKeys = std::make_unique<SHORTCUT_KEY[]>(values.shortcutKeys.size());
    std::copy(values.shortcutKeys.begin(), values.shortcutKeys.end(), shortcuts.m_pKeys.get());

    const INT_PTR result = sheet.DoModal();
    if (result != IDOK) {
        return result;
    }
    values.nBrightness = normal.m_nBrightness;
    values.nContrast = normal.m_nContrast;
    values.nSaturation = normal.m_nSaturation;
    values.nSharpness = normal.m_nSharpness;
    values.nAspectRatio = normal.m_nAspectRatio;
    values.bLuminanceFilter = normal.m_bLuminanceFilter;
    values.bChromaFilter = normal.m_bChromaFilter;
    values.nFlickerFilter = normal.m_nFlickerFilter;
    values.rcTvPosition = extension.m_rcTvPosition;
    values.nVideoStandard = extension.m_nVideoStandard;
    values.bPedestal = extension.m_bPedestal;
    values.bRgbGain = extension.m_bRgbGain;
    values.nTvPositionSize = extension.m_nTvPositionSize;
    values.bSuppressStripe = extension.m_bSuppressStripe;
    std::copy(shortcuts.m_pKeys.get(), shortcuts.m_pKeys.get() + shortcuts.m_nCount,
              values.shortcutKeys.begin());
    return result;
}
