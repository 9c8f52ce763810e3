// The user's mouse and keyboard. Every click, drag and key press of a test or of corvane-sim
// enters the simulated machine here and becomes the messages Windows would send for it, in
// Windows' order, to the window under the pointer (or holding the capture) or with the focus.
#pragma once

#include "platform/sim/include/win32_window_types.h"

namespace sim {

class World;

enum class MouseButton { Left, Right };

class Input {
  public:
    explicit Input(World& world) : m_world(world) {}

    // The pointer.
    void MoveMouse(int x, int y);
    void PressButton(MouseButton button);
    void ReleaseButton(MouseButton button);
    void Click(MouseButton button = MouseButton::Left);
    void ClickAt(int x, int y, MouseButton button = MouseButton::Left);
    // Pressed for that long, with time passing and timers firing meanwhile.
    void HoldButton(MouseButton button, DWORD milliseconds);
    // A click in the middle of a window or control.
    void ClickWindow(HWND window);
    // A click on the close box of a window's caption.
    void ClickCloseBox(HWND window);
    // The window's button on the taskbar clicked: the shell brings it to the foreground,
    // whatever covers it.
    void ClickTaskbarButton(HWND window);
    // The wheel turned by notches (away from the user is positive), over the pointer.
    void TurnWheel(int notches);

    // Gestures on controls, each made of the moves, clicks and wheel turns above.
    // A drop-down list opened, scrolled to the item and the item clicked.
    void ChooseListItem(HWND combo, int index);
    // A trackbar's thumb dragged to where the position lies.
    void DragThumb(HWND trackbar, int position);
    // A tab of a tab control clicked.
    void ClickTab(HWND tab, int index);
    // The left button held on the middle of a window for that long.
    void HoldWindow(HWND window, DWORD milliseconds);

    // The keyboard. A key held down auto-repeats: `repeat` key-down messages in all. True
    // when the shortcut hook took the key, so that no window saw it.
    bool PressKey(BYTE vk, int repeat = 1);
    void ReleaseKey(BYTE vk);
    // Press and release a key with modifiers held (SHORTCUT_SHIFT, _CTRL, _ALT).
    bool TypeKey(BYTE vk, DWORD modifiers = 0);
    bool IsDown(BYTE vk) const;

    // A click on the notification-area icon: the shell sends the icon's window the button's
    // down and up messages.
    void ClickTrayIcon(MouseButton button);
    // The context-menu key with the icon selected from the keyboard.
    void PressTrayIconMenuKey();

  private:
    void NoteInput();
    void SendMouse(UINT clientMessage, UINT nonClientMessage);
    bool OfferToHook(BYTE vk);
    DWORD HeldModifiers() const;

    World& m_world;
};

} // namespace sim
