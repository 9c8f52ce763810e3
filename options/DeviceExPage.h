// The Extension page: NTSC or PAL, pedestal, RGB gain, a test pattern, and where the picture
// sits on the TV and how large it is: underscan, overscan, or arranged with eight arrow
// buttons that repeat and speed up while held. Every change goes to the converter at once;
// Cancel puts the converter back as the page was first shown (the members follow the page
// each time it is left), and OK and Cancel both switch the test pattern off.
#pragma once

#include "../framework/PropertyPage.h"

class CMrgDoc;

class CDeviceExPage : public CPropertyPage {
    DECLARE_DYNCREATE(CDeviceExPage)
  public:
    CDeviceExPage();

    CMrgDoc* m_pDoc = nullptr;
    // Horizontal offset, vertical offset, horizontal size, vertical size.
    RECT m_rcTvPosition = {0, 0, 0, 0};
    int m_nVideoStandard = -1; // 0 = NTSC, 1 = PAL
    BOOL m_bPedestal = FALSE;
    BOOL m_bRgbGain = FALSE;
    int m_nTvPositionSize = -1; // 0 = Underscan, 1 = Overscan, 2 = Arrange
    BOOL m_bSuppressStripe = FALSE;
    UINT_PTR m_nTimerId = 0;
    int m_nRepeatStep = 0;
    const RECT* m_pUnderscan = nullptr;
    const RECT* m_pOverscan = nullptr;
    RECT m_rcWorking = {0, 0, 0, 0};

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void OnOK() override;
    void OnCancel() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR nIDEvent) override;

  private:
    void OnNtsc();
    void OnPal();
    void OnPedestal();
    void OnRgbGain();
    void OnTestPattern();
    void OnSelChangeTestPatternType();
    void OnUnderscan();
    void OnOverscan();
    void OnArrange();
    void OnArrowClicked(int nID);

    void ChangeStandard(int nStandard);
    void UsePresetsOf(int nStandard);
    void SelectUnderscan();
    void UsePreset(const RECT& preset);
    void StopTestPattern();
    void SwitchTestPatternOff();
    void UpdateArrowButtons();

    // The output as the page was first shown, for Cancel.
    struct Output {
        int nVideoStandard;
        BOOL bPedestal;
        BOOL bRgbGain;
        int nTvPositionSize;
        RECT rcTvPosition;
    } m_shown{};
    void DisableArrowButtons();
};
