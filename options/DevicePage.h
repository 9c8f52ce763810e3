// The Normal page: contrast, brightness, sharpness, saturation, the flicker filter, the two
// filters and the aspect ratio of area selection. Every change goes to the converter at once
// through the document; the sheet's settings get what the page holds each time it is left, for
// the document's commit after OK, and Restore and Cancel put back what the page was first
// shown with, however often it was left.
#pragma once

#include "../framework/PropertyPage.h"
#include "../model/StoredSettings.h"

class CMrgDoc;

class CDevicePage : public CPropertyPage {
    DECLARE_DYNCREATE(CDevicePage)
  public:
    CDevicePage();

    CMrgDoc* m_pDoc = nullptr;
    STORED_SETTINGS* m_pSettings = nullptr; // the sheet's copy

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnReset() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT nSBCode, UINT nPos, HWND hScrollBar) override;

  private:
    // Sends the picture to the converter and shows it in the controls; an aspect ratio
    // outside 0 to 2 leaves the radio buttons as they are.
    void ShowAndSend(const STORED_SETTINGS& picture);
    void OnDefault();
    void OnRestore();
    void OnLuminanceFilter();
    void OnChromaFilter();

    STORED_SETTINGS m_shown{}; // as the page was first shown
};
