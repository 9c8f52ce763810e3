// What the Option sheet edits: the document's picture and TV output settings and the
// shortcut definitions. The document hands them to the sheet before it runs and takes them
// back after OK; while it runs, the pages change the converter directly.
#pragma once

#include "../platform/win32.h"
#include "ShortcutKeyTable.h"

#include <vector>

struct OPTION_VALUES {
    // The Normal page.
    int nBrightness = 0;
    int nContrast = 0;
    int nSaturation = 0;
    int nSharpness = 0;
    int nAspectRatio = 0;
    BOOL bLuminanceFilter = FALSE;
    BOOL bChromaFilter = FALSE;
    int nFlickerFilter = 0;
    // The Extension page.
    RECT rcTvPosition = {0, 0, 0, 0};
    int nVideoStandard = 0;
    BOOL bPedestal = FALSE;
    BOOL bRgbGain = FALSE;
    int nTvPositionSize = 0;
    BOOL bSuppressStripe = FALSE;
    // The Shortcut Key page: one pair for each of the application's entries, in list order.
    std::vector<SHORTCUT_KEY> shortcutKeys;
};
