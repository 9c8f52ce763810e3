#include "DeviceExPage.h"

#include "../framework/DataExchange.h"
#include "../model/MrgDoc.h"
#include "../model/ShadowRegisters.h"
#include "../model/TvPresets.h"
#include "../res/resource.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CDeviceExPage, CPropertyPage)

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kRepeatPeriod = 200;
constexpr int kFastestStep = 4;
constexpr int kPatternItemOnClose = 2; // "75% Color Bars"
constexpr int kPatternTypeOnClose = 3;
constexpr int kArrowCount = 8;

enum Field { H_OFFSET, V_OFFSET, H_SIZE, V_SIZE };

LONG& FieldOf(RECT& rect, Field field) {
    switch (field) {
    case H_OFFSET:
        return rect.left;
    case V_OFFSET:
        return rect.top;
    case H_SIZE:
        return rect.right;
    default:
        return rect.bottom;
    }
}

LONG FieldOf(const RECT& rect, Field field) {
    return FieldOf(const_cast<RECT&>(rect), field);
}

// Each arrow moves one value one way, up to the bound one of the standard's presets sets:
// offsets between the overscan and the underscan offset, sizes between the underscan and the
// overscan size.
struct Arrow {
    int id;
    Field field;
    int direction;
    int registerIndex;
    bool boundByOverscan;
};

const Arrow kArrows[kArrowCount] = {
    {IDC_POSITION_UP, V_OFFSET, -1, REGIDX_TV_VOFFSET, true},
    {IDC_POSITION_LEFT, H_OFFSET, -1, REGIDX_TV_HOFFSET, true},
    {IDC_POSITION_RIGHT, H_OFFSET, +1, REGIDX_TV_HOFFSET, false},
    {IDC_POSITION_DOWN, V_OFFSET, +1, REGIDX_TV_VOFFSET, false},
    {IDC_SIZE_UP, V_SIZE, -1, REGIDX_TV_VSIZE, false},
    {IDC_SIZE_LEFT, H_SIZE, -1, REGIDX_TV_HSIZE, false},
    {IDC_SIZE_RIGHT, H_SIZE, +1, REGIDX_TV_HSIZE, true},
    {IDC_SIZE_DOWN, V_SIZE, +1, REGIDX_TV_VSIZE, true},
};

const Arrow* FindArrow(int id) {
    for (const Arrow& arrow : kArrows) {
        if (arrow.id == id) {
            return &arrow;
        }
    }
    return nullptr;
}

} // namespace

CDeviceExPage::CDeviceExPage() : CPropertyPage(IDD_DEVICE_EX) {}

void CDeviceExPage::DoDataExchange(CDataExchange* pDX) {
    STORED_SETTINGS& settings = *m_pSettings;
    DDX_Radio(pDX, IDC_NTSC, settings.m_nVideoStandard);
    DDX_Check(pDX, IDC_PEDESTAL, settings.m_bPedestal);
    DDX_Check(pDX, IDC_RGB_GAIN, settings.m_bRgbGain);
    DDX_Radio(pDX, IDC_UNDERSCAN, settings.m_nTvPositionSize);
    DDX_Check(pDX, IDC_SUPPRESS_STRIPE, settings.m_bSuppressStripe);
}

// Nothing is sent to the converter here: it already shows what the settings say.
BOOL CDeviceExPage::OnInitDialog() {
    m_shown = *m_pSettings;
    CPropertyPage::OnInitDialog();
    UsePresetsOf(m_shown.m_nVideoStandard);
    m_rcWorking = m_shown.m_rcTvPosition;
    if (m_shown.m_nVideoStandard != 0) {
        EnableDlgItem(IDC_PEDESTAL, FALSE);
    }
    SendDlgItemMessage(IDC_TEST_PATTERN_TYPE, CB_SETCURSEL, kPatternItemOnClose);
    EnableDlgItem(IDC_TEST_PATTERN_TYPE, FALSE);
    for (int i = 0; i < 4; ++i) {
        // Shared: the system keeps one of each for the program and frees it at the end.
        const HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(IDI_ARROW_UP + i),
                                       IMAGE_ICON, 16, 16, LR_SHARED);
        SendDlgItemMessage(IDC_POSITION_UP + i, BM_SETIMAGE, IMAGE_ICON,
                           reinterpret_cast<LPARAM>(icon));
        SendDlgItemMessage(IDC_SIZE_UP + i, BM_SETIMAGE, IMAGE_ICON,
                           reinterpret_cast<LPARAM>(icon));
    }
    if (m_shown.m_nTvPositionSize == 2) {
        UpdateArrowButtons();
    } else {
        DisableArrowButtons();
    }
    return TRUE;
}

BOOL CDeviceExPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    static const NotifyEntry<CDeviceExPage> kMessageMap[] = {
        {IDC_NTSC, BN_CLICKED, &CDeviceExPage::OnNtsc},
        {IDC_PAL, BN_CLICKED, &CDeviceExPage::OnPal},
        {IDC_PEDESTAL, BN_CLICKED, &CDeviceExPage::OnPedestal},
        {IDC_RGB_GAIN, BN_CLICKED, &CDeviceExPage::OnRgbGain},
        {IDC_TEST_PATTERN, BN_CLICKED, &CDeviceExPage::OnTestPattern},
        {IDC_TEST_PATTERN_TYPE, CBN_SELCHANGE, &CDeviceExPage::OnSelChangeTestPatternType},
        {IDC_UNDERSCAN, BN_CLICKED, &CDeviceExPage::OnUnderscan},
        {IDC_OVERSCAN, BN_CLICKED, &CDeviceExPage::OnOverscan},
        {IDC_ARRANGE, BN_CLICKED, &CDeviceExPage::OnArrange},
    };
    if (HIWORD(wParam) == BN_CLICKED && FindArrow(LOWORD(wParam)) != nullptr) {
        OnArrowClicked(LOWORD(wParam));
        return TRUE;
    }
    // The stripe suppression box sends nothing: the document applies it after the sheet.
    return DispatchNotify(this, kMessageMap, wParam) || CPropertyPage::OnCommand(wParam, lParam);
}

void CDeviceExPage::UsePresetsOf(int nStandard) {
    m_pUnderscan = nStandard != 0 ? &g_rcTvPalUnderscan : &g_rcTvNtscUnderscan;
    m_pOverscan = nStandard != 0 ? &g_rcTvPalOverscan : &g_rcTvNtscOverscan;
}

// Also when the standard chosen is clicked again: the standard and the underscan preset are
// written anew.
void CDeviceExPage::ChangeStandard(int nStandard) {
    m_pDoc->SetVideoStandard(nStandard);
    EnableDlgItem(IDC_PEDESTAL, nStandard == 0);
    UsePresetsOf(nStandard);
    m_rcWorking = *m_pUnderscan;
    SelectUnderscan();
}

void CDeviceExPage::SelectUnderscan() {
    CheckDlgButton(IDC_UNDERSCAN, BST_CHECKED);
    CheckDlgButton(IDC_OVERSCAN, BST_UNCHECKED);
    CheckDlgButton(IDC_ARRANGE, BST_UNCHECKED);
    DisableArrowButtons();
    m_pDoc->SetTvPositionSize(*m_pUnderscan);
}

void CDeviceExPage::OnNtsc() {
    ChangeStandard(0);
}

void CDeviceExPage::OnPal() {
    ChangeStandard(1);
}

void CDeviceExPage::OnPedestal() {
    m_pDoc->SetPedestal(IsDlgButtonChecked(IDC_PEDESTAL) == BST_CHECKED);
}

void CDeviceExPage::OnRgbGain() {
    m_pDoc->SetRgbGain(IsDlgButtonChecked(IDC_RGB_GAIN) == BST_CHECKED);
}

// Switching the pattern on shows the type the list shows, not whichever type the converter
// happens to hold (its own, on a fresh one); the list then chooses.
void CDeviceExPage::OnTestPattern() {
    if (IsDlgButtonChecked(IDC_TEST_PATTERN) == BST_CHECKED) {
        OnSelChangeTestPatternType();
        m_pDoc->SetTestPattern(TRUE);
        EnableDlgItem(IDC_TEST_PATTERN_TYPE, TRUE);
    } else {
        StopTestPattern();
    }
}

void CDeviceExPage::StopTestPattern() {
    m_pDoc->SetTestPatternType(kPatternTypeOnClose);
    SendDlgItemMessage(IDC_TEST_PATTERN_TYPE, CB_SETCURSEL, kPatternItemOnClose);
    EnableDlgItem(IDC_TEST_PATTERN_TYPE, FALSE);
    m_pDoc->SetTestPattern(FALSE);
}

// The pattern lives only while the sheet is open.
void CDeviceExPage::SwitchTestPatternOff() {
    if (IsDlgButtonChecked(IDC_TEST_PATTERN) == BST_CHECKED) {
        StopTestPattern();
        CheckDlgButton(IDC_TEST_PATTERN, BST_UNCHECKED);
    }
}

void CDeviceExPage::OnSelChangeTestPatternType() {
    const auto item = static_cast<int>(SendDlgItemMessage(IDC_TEST_PATTERN_TYPE, CB_GETCURSEL));
    m_pDoc->SetTestPatternType(item + 1);
}

void CDeviceExPage::UsePreset(const RECT& preset) {
    DisableArrowButtons();
    m_rcWorking = preset;
    m_pDoc->SetTvPositionSize(m_rcWorking);
}

void CDeviceExPage::OnUnderscan() {
    UsePreset(*m_pUnderscan);
}

void CDeviceExPage::OnOverscan() {
    UsePreset(*m_pOverscan);
}

void CDeviceExPage::OnArrange() {
    UpdateArrowButtons();
    m_pDoc->SetTvPositionSize(m_rcWorking);
}

// A click moves by one and does not clamp: a button at its bound is disabled and sends none.
void CDeviceExPage::OnArrowClicked(int nID) {
    const Arrow& arrow = *FindArrow(nID);
    LONG& value = FieldOf(m_rcWorking, arrow.field);
    value += arrow.direction;
    m_pDoc->SetRegister(arrow.registerIndex, static_cast<int>(value));
    UpdateArrowButtons();
}

void CDeviceExPage::UpdateArrowButtons() {
    for (const Arrow& arrow : kArrows) {
        const LONG value = FieldOf(m_rcWorking, arrow.field);
        const LONG bound =
            FieldOf(arrow.boundByOverscan ? *m_pOverscan : *m_pUnderscan, arrow.field);
        EnableDlgItem(arrow.id, arrow.direction < 0 ? value > bound : value < bound);
    }
}

void CDeviceExPage::DisableArrowButtons() {
    for (const Arrow& arrow : kArrows) {
        EnableDlgItem(arrow.id, FALSE);
    }
}

// The arrows repeat while the page is the current one.
BOOL CDeviceExPage::OnSetActive() {
    if (!CPropertyPage::OnSetActive()) {
        return FALSE;
    }
    m_nTimerId = SetTimer(m_hWnd, kRepeatTimer, kRepeatPeriod, nullptr);
    m_nRepeatStep = 1;
    return TRUE;
}

BOOL CDeviceExPage::OnKillActive() {
    KillTimer(m_hWnd, m_nTimerId);
    m_nTimerId = 0;
    return CPropertyPage::OnKillActive();
}

// Each tick moves every held arrow by the same step, clamped to its bound: 1, 2, 3, 4, 4, ...
void CDeviceExPage::OnTimer(UINT_PTR) {
    bool held = false;
    for (const Arrow& arrow : kArrows) {
        if (!(SendDlgItemMessage(arrow.id, BM_GETSTATE) & BST_PUSHED)) {
            continue;
        }
        held = true;
        LONG& value = FieldOf(m_rcWorking, arrow.field);
        const LONG bound =
            FieldOf(arrow.boundByOverscan ? *m_pOverscan : *m_pUnderscan, arrow.field);
        value = arrow.direction < 0 ? std::max(value - m_nRepeatStep, bound)
                                    : std::min(value + m_nRepeatStep, bound);
        m_pDoc->SetRegister(arrow.registerIndex, static_cast<int>(value));
    }
    if (!held) {
        m_nRepeatStep = 1;
        return;
    }
    UpdateArrowButtons();
    m_nRepeatStep = std::min(m_nRepeatStep + 1, kFastestStep);
}

void CDeviceExPage::OnOK() {
    m_pSettings->m_rcTvPosition = m_rcWorking;
    SwitchTestPatternOff();
}

// The stored arrangement for Arrange, and also for a stored mode the page does not know:
// that is the position the converter gets whenever it is opened.
void CDeviceExPage::OnCancel() {
    m_pDoc->SetVideoStandard(m_shown.m_nVideoStandard);
    m_pDoc->SetPedestal(m_shown.m_bPedestal);
    m_pDoc->SetRgbGain(m_shown.m_bRgbGain);
    SwitchTestPatternOff();
    const bool pal = m_shown.m_nVideoStandard != 0;
    switch (m_shown.m_nTvPositionSize) {
    case 0:
        m_pDoc->SetTvPositionSize(pal ? g_rcTvPalUnderscan : g_rcTvNtscUnderscan);
        break;
    case 1:
        m_pDoc->SetTvPositionSize(pal ? g_rcTvPalOverscan : g_rcTvNtscOverscan);
        break;
    default:
        m_pDoc->SetTvPositionSize(m_shown.m_rcTvPosition);
        break;
    }
    CPropertyPage::OnCancel();
}
