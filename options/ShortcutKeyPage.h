// The Shortcut Key page: for the command chosen in the Command box, the key and the Shift,
// Ctrl and Alt modifiers of its definition; Default and Restore for that command alone; and
// no leaving the page while two definitions are the same. It edits a working copy only; the
// document takes it after the sheet was closed with OK.
#pragma once

#include "../framework/PropertyPage.h"
#include "../model/ShortcutKeyTable.h"

#include <memory>

class CShortcutKeyPage : public CPropertyPage {
    DECLARE_DYNCREATE(CShortcutKeyPage)
  public:
    CShortcutKeyPage();

    int m_nCount = 0;
    // The working copy in command order, set by the sheet's creator; the page owns it.
    std::unique_ptr<SHORTCUT_KEY[]> m_pKeys;
    // What the working copy held when the page was first shown, for Restore.
    std::unique_ptr<SHORTCUT_KEY[]> m_pSavedKeys;

    BOOL OnKillActive() override;

  protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  private:
    void OnDefault();
    void OnRestore();
    void OnSelChangeCommand();
    void OnShift();
    void OnCtrl();
    void OnAlt();
    void OnSelChangeKey();

    void UpdateControls(int nCommand);
    BOOL HasNoOverlap() const;
    // The command chosen in the Command box.
    int CurrentCommand() const;
    void SetModifier(int nID, DWORD flag);
};
