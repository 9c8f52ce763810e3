// Who is at the machine: what the user does at the program's modal moments (a test's script,
// or corvane-sim's input; while it acts, queued messages and timers may still be delivered),
// and who watches what the user would see.
#pragma once

#include "platform/sim/include/win32_window_types.h"

#include <string>

namespace sim {

struct Balloon;
class Converter;
struct MessageBoxShown;

constexpr UINT kMenuKeysPressed = ~0u;

class InteractionDriver {
  public:
    virtual ~InteractionDriver() = default;
    // A popup menu is open (its submenus already initialised); the command chosen, 0, or
    // kMenuKeysPressed when the user pressed keys, which the menu's own loop then takes.
    virtual UINT ChooseFromMenu(HMENU menu, HWND owner) = 0;
    // A message box is shown; the button pressed.
    virtual int AnswerMessageBox(const MessageBoxShown& box) = 0;
    // A modal dialog is up and nothing is queued: the user does one thing there, through the
    // input layer. False when the user walks away, which cancels the dialog.
    virtual bool ActInDialog(HWND dialog) = 0;
    // The message loop has nothing to do; false when the user has gone.
    virtual bool Idle() = 0;
};

// What happens with no one there: menus are dismissed, message boxes answered with OK,
// dialogs left (so cancelled), and the loop ends.
class AbsentUser : public InteractionDriver {
  public:
    UINT ChooseFromMenu(HMENU, HWND) override { return 0; }
    int AnswerMessageBox(const MessageBoxShown&) override;
    bool ActInDialog(HWND) override { return false; }
    bool Idle() override { return false; }
};

// Told of what the user would see happen, as it happens; corvane-sim prints it.
class Observer {
  public:
    virtual ~Observer() = default;
    virtual void TrayAdded(int iconResource, const std::string& tip) = 0;
    virtual void TrayIconChanged(int iconResource) = 0;
    virtual void TrayRemoved() = 0;
    virtual void BalloonShown(const Balloon& balloon) = 0;
    virtual void MessageBoxOpened(const MessageBoxShown& box) = 0;
    virtual void DialogOpened(HWND dialog) = 0;
    virtual void DialogClosed() = 0;
    // What the program does to the screen and the pointer.
    virtual void WindowVisibilityChanged(HWND, bool) {}
    virtual void WindowTextChanged(HWND, const std::string&) {}
    virtual void CursorMovedByProgram(POINT) {}
    // A converter is on the bus, before the program hears of it.
    virtual void ConverterPlugged(Converter&) {}
};

// The user at modal moments: an absent user unless a test or the simulator set one.
InteractionDriver& User();
// Who watches; nullptr for nobody.
Observer* Watcher();

} // namespace sim
