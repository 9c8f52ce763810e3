// The Normal page: contrast, brightness, sharpness, saturation, the flicker filter, the two
// filters and the aspect ratio of area selection. Every change goes to the converter at once
// through the document; the members are what the page last held (taken when it is left), for
// the document's commit after OK, and Restore and Cancel put back what the page was first
// shown with, however often it was left.
#pragma once

#include "../framework/PropertyPage.h"

class CMrgDoc;

class CDevicePage : public CPropertyPage {
    DECLARE_DYNCREATE(CDevicePage)
  public:
    CDevicePage();

    CMrgDoc* m_pDoc = nullptr;
    int m_nBrightness = 0;
    int m_nContrast = 0;
    int m_nSaturation = 0;
    int m_nSharpness = 0;
    int m_nAspectRatio = -1; // 0 = 4:3, 1 = 16:9, 2 = Custom
    BOOL m_bLuminanceFilter = FALSE;
    BOOL m_bChromaFilter = FALSE;
    int m_nFlickerFilter = 0;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnReset() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT nSBCode, UINT nPos, HWND hScrollBar) override;

  private:
    struct Picture {
        int nContrast, nBrightness, nSharpness, nSaturation, nFlickerFilter;
        BOOL bLuminanceFilter, bChromaFilter;
        int nAspectRatio; // outside 0 to 2 the radio buttons stay as they are
    };
    // Sends the picture to the converter and shows it in the controls.
    void ShowAndSend(const Picture& picture);
    void OnDefault();
    void OnRestore();
    void OnLuminanceFilter();
    void OnChromaFilter();

    Picture m_shown{}; // as the page was first shown
};
