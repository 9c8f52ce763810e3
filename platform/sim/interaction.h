// What the user does at the program's modal moments: a test's script, or corvane-sim's
// input. While it acts, queued messages and timers may still be delivered.
#pragma once

#include "platform/sim/include/win32_window_types.h"

#include <string>

namespace sim {

struct MessageBoxShown;

class InteractionDriver {
  public:
    virtual ~InteractionDriver() = default;
    // A popup menu is open (its submenus already initialised); the command chosen, or 0.
    virtual UINT ChooseFromMenu(HMENU menu, HWND owner) = 0;
    // A message box is shown; the button pressed.
    virtual int AnswerMessageBox(const MessageBoxShown& box) = 0;
    // A modal dialog is up; the driver works its controls until the dialog ends.
    virtual void RunDialog(HWND dialog) = 0;
    // The message loop has nothing to do; false when the user has gone.
    virtual bool Idle() = 0;
};

// What happens with no one there: menus are dismissed, message boxes and dialogs answered
// with OK, and the loop ends.
class AbsentUser : public InteractionDriver {
  public:
    UINT ChooseFromMenu(HMENU, HWND) override { return 0; }
    int AnswerMessageBox(const MessageBoxShown&) override;
    void RunDialog(HWND dialog) override;
    bool Idle() override { return false; }
};

} // namespace sim
