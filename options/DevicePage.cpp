#include "DevicePage.h"

#include "../framework/DataExchange.h"
#include "../model/MrgDoc.h"
#include "../model/ShadowRegisters.h"
#include "../res/resource.h"
#include "PictureRanges.h"

IMPLEMENT_DYNCREATE(CDevicePage, CPropertyPage)

namespace {

struct Slider {
    int id;
    PictureSetting setting;
};

// In the order the page sets them up.
const Slider kSliders[] = {
    {IDC_CONTRAST, PICTURE_CONTRAST},
    {IDC_BRIGHTNESS, PICTURE_BRIGHTNESS},
    {IDC_SHARPNESS, PICTURE_SHARPNESS},
    {IDC_SATURATION, PICTURE_SATURATION},
    {IDC_FLICKER_FILTER, PICTURE_FLICKER_FILTER},
};

const int kAspectRatioButtons[] = {IDC_ASPECT_4_3, IDC_ASPECT_16_9, IDC_ASPECT_CUSTOM};

} // namespace

CDevicePage::CDevicePage() : CPropertyPage(IDD_DEVICE) {}

void CDevicePage::DoDataExchange(CDataExchange* pDX) {
    STORED_SETTINGS& settings = *m_pSettings;
    DDX_Slider(pDX, IDC_BRIGHTNESS, settings.m_nBrightness);
    DDX_Slider(pDX, IDC_CONTRAST, settings.m_nContrast);
    DDX_Slider(pDX, IDC_SATURATION, settings.m_nSaturation);
    DDX_Slider(pDX, IDC_SHARPNESS, settings.m_nSharpness);
    // A stored ratio that no button shows (outside 0 to 2) leaves all three unchecked; it is
    // kept as it was rather than taken back as -1.
    const int stored = settings.m_nAspectRatio;
    DDX_Radio(pDX, IDC_ASPECT_4_3, settings.m_nAspectRatio);
    if (pDX->m_bSaveAndValidate && settings.m_nAspectRatio == -1) {
        settings.m_nAspectRatio = stored;
    }
    DDX_Check(pDX, IDC_LUMINANCE_FILTER, settings.m_bLuminanceFilter);
    DDX_Check(pDX, IDC_CHROMA_FILTER, settings.m_bChromaFilter);
    DDX_Slider(pDX, IDC_FLICKER_FILTER, settings.m_nFlickerFilter);
}

BOOL CDevicePage::OnInitDialog() {
    m_shown = *m_pSettings;
    for (const Slider& slider : kSliders) {
        const PICTURE_RANGE& range = g_pictureRanges[slider.setting];
        const int span = range.nMax - range.nMin;
        SendDlgItemMessage(slider.id, TBM_SETRANGE, FALSE, MAKELPARAM(range.nMin, range.nMax));
        SendDlgItemMessage(slider.id, TBM_SETTICFREQ,
                           static_cast<WPARAM>(span / range.nPageDivisor));
        SendDlgItemMessage(slider.id, TBM_SETLINESIZE, 0, span / range.nLineDivisor);
        SendDlgItemMessage(slider.id, TBM_SETPAGESIZE, 0, span / range.nPageDivisor);
    }
    CPropertyPage::OnInitDialog();
    return TRUE;
}

BOOL CDevicePage::OnCommand(WPARAM wParam, LPARAM lParam) {
    static const NotifyEntry<CDevicePage> kMessageMap[] = {
        {IDC_DEFAULT, BN_CLICKED, &CDevicePage::OnDefault},
        {IDC_RESTORE, BN_CLICKED, &CDevicePage::OnRestore},
        {IDC_LUMINANCE_FILTER, BN_CLICKED, &CDevicePage::OnLuminanceFilter},
        {IDC_CHROMA_FILTER, BN_CLICKED, &CDevicePage::OnChromaFilter},
    };
    return DispatchNotify(this, kMessageMap, wParam) || CPropertyPage::OnCommand(wParam, lParam);
}

// Every notification of a slider, whatever its code, sends the slider's present position.
void CDevicePage::OnHScroll(UINT nSBCode, UINT nPos, HWND hScrollBar) {
    const int position = static_cast<int>(::SendMessageA(hScrollBar, TBM_GETPOS, 0, 0));
    switch (::GetDlgCtrlID(hScrollBar)) {
    case IDC_CONTRAST:
        m_pDoc->SetRegister(REGIDX_CONTRAST, position);
        break;
    case IDC_BRIGHTNESS:
        m_pDoc->SetRegister(REGIDX_BRIGHTNESS, position);
        break;
    case IDC_SHARPNESS:
        m_pDoc->SetRegister(REGIDX_SHARPNESS, position);
        break;
    case IDC_SATURATION:
        m_pDoc->SetRegister(REGIDX_SATURATION, position);
        break;
    case IDC_FLICKER_FILTER:
        m_pDoc->SetFlickerFilter(position);
        break;
    default:
        CPropertyPage::OnHScroll(nSBCode, nPos, hScrollBar);
        break;
    }
}

void CDevicePage::ShowAndSend(const STORED_SETTINGS& picture) {
    m_pDoc->SetRegister(REGIDX_CONTRAST, picture.m_nContrast);
    SendDlgItemMessage(IDC_CONTRAST, TBM_SETPOS, TRUE, picture.m_nContrast);
    m_pDoc->SetRegister(REGIDX_BRIGHTNESS, picture.m_nBrightness);
    SendDlgItemMessage(IDC_BRIGHTNESS, TBM_SETPOS, TRUE, picture.m_nBrightness);
    m_pDoc->SetRegister(REGIDX_SHARPNESS, picture.m_nSharpness);
    SendDlgItemMessage(IDC_SHARPNESS, TBM_SETPOS, TRUE, picture.m_nSharpness);
    m_pDoc->SetRegister(REGIDX_SATURATION, picture.m_nSaturation);
    SendDlgItemMessage(IDC_SATURATION, TBM_SETPOS, TRUE, picture.m_nSaturation);
    m_pDoc->SetFlickerFilter(picture.m_nFlickerFilter);
    SendDlgItemMessage(IDC_FLICKER_FILTER, TBM_SETPOS, TRUE, picture.m_nFlickerFilter);
    m_pDoc->SetLuminanceFilter(picture.m_bLuminanceFilter);
    CheckDlgButton(IDC_LUMINANCE_FILTER, picture.m_bLuminanceFilter ? BST_CHECKED : BST_UNCHECKED);
    m_pDoc->SetChromaFilter(picture.m_bChromaFilter);
    CheckDlgButton(IDC_CHROMA_FILTER, picture.m_bChromaFilter ? BST_CHECKED : BST_UNCHECKED);
    // The aspect ratio is no converter setting: it reaches the member when the page is left.
    if (picture.m_nAspectRatio >= 0 && picture.m_nAspectRatio <= 2) {
        for (int i = 0; i < 3; ++i) {
            CheckDlgButton(kAspectRatioButtons[i],
                           i == picture.m_nAspectRatio ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void CDevicePage::OnDefault() {
    STORED_SETTINGS defaults = m_shown;
    defaults.m_nContrast = g_pictureRanges[PICTURE_CONTRAST].nDefault;
    defaults.m_nBrightness = g_pictureRanges[PICTURE_BRIGHTNESS].nDefault;
    defaults.m_nSharpness = g_pictureRanges[PICTURE_SHARPNESS].nDefault;
    defaults.m_nSaturation = g_pictureRanges[PICTURE_SATURATION].nDefault;
    defaults.m_nFlickerFilter = g_pictureRanges[PICTURE_FLICKER_FILTER].nDefault;
    defaults.m_bLuminanceFilter = FALSE;
    defaults.m_bChromaFilter = FALSE;
    defaults.m_nAspectRatio = 0;
    ShowAndSend(defaults);
}

void CDevicePage::OnRestore() {
    ShowAndSend(m_shown);
}

void CDevicePage::OnReset() {
    OnRestore();
    CPropertyPage::OnReset();
}

void CDevicePage::OnLuminanceFilter() {
    m_pDoc->SetLuminanceFilter(IsDlgButtonChecked(IDC_LUMINANCE_FILTER) == BST_CHECKED);
}

void CDevicePage::OnChromaFilter() {
    m_pDoc->SetChromaFilter(IsDlgButtonChecked(IDC_CHROMA_FILTER) == BST_CHECKED);
}
