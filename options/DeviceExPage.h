// The Extension page: NTSC or PAL, pedestal, RGB gain, a test pattern, and where the picture
// sits on the TV and how large it is: underscan, overscan, or arranged with eight arrow
// buttons that repeat and speed up while held. Every change goes to the converter at once;
// Cancel puts the converter back as the page was first shown (the sheet's settings follow the
// page each time it is left), and OK and Cancel both switch the test pattern off.
#pragma once

#include "../framework/PropertyPage.h"
#include "../model/StoredSettings.h"

class CMrgDoc;

class CDeviceExPage : public CPropertyPage {
    DECLARE_DYNCREATE(CDeviceExPage)
  public:
    CDeviceExPage();

    CMrgDoc* m_pDoc = nullptr;
    STORED_SETTINGS* m_pSettings = nullptr; // the sheet's copy
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

    STORED_SETTINGS m_shown{}; // as the page was first shown, for Cancel
    void DisableArrowButtons();
};
