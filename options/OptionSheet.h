// The Option sheet: the Normal and Extension pages while a converter is open, and always the
// Shortcut Key page; OK and Cancel, no Apply and no Help.
#pragma once

#include "../framework/PropertySheet.h"
#include "../model/OptionValues.h"
#include "DeviceExPage.h"
#include "DevicePage.h"
#include "ShortcutKeyPage.h"

class CMrgDoc;

class COptionSheet : public CPropertySheet {
    DECLARE_DYNAMIC(COptionSheet)
  public:
    COptionSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage);

    CDevicePage m_pageNormal;
    CDeviceExPage m_pageExtension;
    CShortcutKeyPage m_pageShortcutKey;
};

// The Option command's sheet, run on the document's values: the pages edit them while it
// runs, and the shortcut keys come back when it ends with IDOK. The result of the run.
INT_PTR RunOptionSheet(CMrgDoc* pDoc, OPTION_VALUES& values);
