#include "ShortcutKeyPage.h"

#include "../framework/ResourceString.h"
#include "../framework/WinApp.h"
#include "../res/resource.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CShortcutKeyPage, CPropertyPage)

CShortcutKeyPage::CShortcutKeyPage() : CPropertyPage(IDD_SHORTCUTKEY) {}

BOOL CShortcutKeyPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_pSavedKeys = std::make_unique<SHORTCUT_KEY[]>(static_cast<std::size_t>(m_nCount));
    std::copy(m_pKeys.get(), m_pKeys.get() + m_nCount, m_pSavedKeys.get());
    SendDlgItemMessage(IDC_COMMAND, CB_SETCURSEL, 0);
    UpdateControls(0);
    return TRUE;
}

BOOL CShortcutKeyPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    static const NotifyEntry<CShortcutKeyPage> kMessageMap[] = {
        {IDC_DEFAULT, BN_CLICKED, &CShortcutKeyPage::OnDefault},
        {IDC_RESTORE, BN_CLICKED, &CShortcutKeyPage::OnRestore},
        {IDC_COMMAND, CBN_SELCHANGE, &CShortcutKeyPage::OnSelChangeCommand},
        {IDC_SHIFT, BN_CLICKED, &CShortcutKeyPage::OnShift},
        {IDC_CTRL, BN_CLICKED, &CShortcutKeyPage::OnCtrl},
        {IDC_ALT, BN_CLICKED, &CShortcutKeyPage::OnAlt},
        {IDC_KEY, CBN_SELCHANGE, &CShortcutKeyPage::OnSelChangeKey},
    };
    return DispatchNotify(this, kMessageMap, wParam) || CPropertyPage::OnCommand(wParam, lParam);
}

int CShortcutKeyPage::CurrentCommand() const {
    return static_cast<int>(SendDlgItemMessage(IDC_COMMAND, CB_GETCURSEL));
}

// A key the table does not have shows as no choice at all. Windows keeps the box's last
// choice when asked for an item past its end, so the choice is cleared outright: the box
// must not show another command's key.
void CShortcutKeyPage::UpdateControls(int nCommand) {
    const SHORTCUT_KEY& key = m_pKeys[static_cast<std::size_t>(nCommand)];
    CheckDlgButton(IDC_SHIFT, (key.flags & SHORTCUT_SHIFT) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_CTRL, (key.flags & SHORTCUT_CTRL) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_ALT, (key.flags & SHORTCUT_ALT) ? BST_CHECKED : BST_UNCHECKED);
    const std::size_t index = FindKeyIndex(key.vk);
    SendDlgItemMessage(IDC_KEY, CB_SETCURSEL,
                       index < KEY_CODE_COUNT ? static_cast<WPARAM>(index)
                                              : static_cast<WPARAM>(-1));
}

// Only the modifier's own bit changes; any other bit stays as stored.
void CShortcutKeyPage::SetModifier(int nID, DWORD flag) {
    const int command = CurrentCommand();
    if (command < 0 || command >= m_nCount) {
        return;
    }
    DWORD& flags = m_pKeys[static_cast<std::size_t>(command)].flags;
    flags = IsDlgButtonChecked(nID) == BST_CHECKED ? (flags | flag) : (flags & ~flag);
}

void CShortcutKeyPage::OnShift() {
    SetModifier(IDC_SHIFT, SHORTCUT_SHIFT);
}

void CShortcutKeyPage::OnCtrl() {
    SetModifier(IDC_CTRL, SHORTCUT_CTRL);
}

void CShortcutKeyPage::OnAlt() {
    SetModifier(IDC_ALT, SHORTCUT_ALT);
}

void CShortcutKeyPage::OnSelChangeKey() {
    const int command = CurrentCommand();
    const auto index = static_cast<int>(SendDlgItemMessage(IDC_KEY, CB_GETCURSEL));
    if (command < 0 || command >= m_nCount || index < 0 ||
        index >= static_cast<int>(KEY_CODE_COUNT)) {
        return;
    }
    m_pKeys[static_cast<std::size_t>(command)].vk = KEY_CODES[index];
}

void CShortcutKeyPage::OnSelChangeCommand() {
    UpdateControls(CurrentCommand());
}

void CShortcutKeyPage::OnDefault() {
    const int command = CurrentCommand();
    m_pKeys[static_cast<std::size_t>(command)] = DEFAULT_SHORTCUTS[command];
    UpdateControls(command);
}

void CShortcutKeyPage::OnRestore() {
    const int command = CurrentCommand();
    m_pKeys[static_cast<std::size_t>(command)] = m_pSavedKeys[static_cast<std::size_t>(command)];
    UpdateControls(command);
}

BOOL CShortcutKeyPage::OnKillActive() {
    if (!CPropertyPage::OnKillActive()) {
        return FALSE;
    }
    if (HasNoOverlap()) {
        return TRUE;
    }
    // Owned by the sheet, which stays up behind it, not by the hidden main window.
    MessageBoxA(::GetParent(m_hWnd), LoadResourceString(IDS_SHORTCUT_OVERLAP).c_str(),
                AfxGetApp()->GetAppTitle().c_str(), MB_ICONHAND);
    return FALSE;
}

BOOL CShortcutKeyPage::HasNoOverlap() const {
    return ShortcutsOverlap(m_pKeys.get(), static_cast<std::size_t>(m_nCount)) ? FALSE : TRUE;
}
