// Everything the program keeps between runs in the registry sections "Selection" and
// "Device". The document holds it once; the Option sheet edits a copy and gives it back on OK.
#pragma once

#include "../platform/win32.h"

struct STORED_SETTINGS {
    // The screen the display area is measured on, stored with it so that a later start on
    // another resolution can rescale it.
    int m_cxScreen = 0;
    int m_cyScreen = 0;
    RECT m_rcDisplayArea = {0, 0, 0, 0}; // empty: the whole desktop
    int m_nAspectRatio = 0;              // 0 = 4:3, 1 = 16:9, 2 = Custom
    int m_nContrast = 32;
    int m_nBrightness = 0;
    int m_nSharpness = 0;
    int m_nSaturation = 32;
    int m_nFlickerFilter = 8;
    BOOL m_bLuminanceFilter = FALSE;
    BOOL m_bChromaFilter = FALSE;
    int m_nVideoStandard = 0; // 0 = NTSC, 1 = PAL
    BOOL m_bPedestal = TRUE;
    BOOL m_bRgbGain = FALSE;
    int m_nTvPositionSize = 0; // 0 = Underscan, 1 = Overscan, 2 = Arrange
    // Horizontal offset, vertical offset, horizontal size, vertical size.
    RECT m_rcTvPosition = {0, 0, 0, 0};
    BYTE m_byExternalOutput = 0;
    BOOL m_bSuppressStripe = FALSE;
};
