// The desktop corvane-sim shows the program: other programs' windows, numbered as the user
// added them, so that Select Window has something to pick.
#pragma once

#include "platform/sim/user32/user32_state.h"

#include <optional>
#include <string>
#include <vector>

class Desktop {
  public:
    // A few ordinary windows, with titles and client areas, as a newcomer's desktop has.
    void Furnish();
    // The number `show windows` gives the window, from 1. A window without a colour of its
    // own gets the next of a few distinct ones, so that each can be told apart on the TV.
    int Add(sim::WindowManager::ForeignWindow window);
    // The window numbered so, or nullptr when there is none (or it has been closed).
    HWND Window(int number) const;
    std::vector<std::string> Describe() const;

    // What the windows' programs do as the user works in them: window N gets the keyboard
    // focus and comes to the foreground; it shows its text caret at a point of its client area
    // (where the user clicked, say); and text typed into the focused window moves its caret a
    // character's width along for each character, to the next line at the right edge. False
    // when there is no such window, or no caret in the focused one.
    bool Focus(int number);
    bool PlaceCaret(int number, POINT at);
    bool Type(const std::string& text);

    // What window N's program does with it: moves its top-left corner to a point, makes it
    // a size (its client area keeps the frame), hides or shows it, or closes it (its children
    // with it). False when there is no such window.
    bool Move(int number, POINT to);
    bool Resize(int number, SIZE size);
    bool Show(int number, bool show);
    bool Close(int number);

  private:
    static constexpr int kCharacterWidth = 8;
    static constexpr int kLineHeight = 16;
    struct Caret {
        HWND window = nullptr;
        POINT at{0, 0};
    };
    void ShowCaret();
    template <typename Reshape> bool Place(int number, Reshape reshape) const;

    std::vector<HWND> m_windows;
    HWND m_focus = nullptr;
    std::optional<Caret> m_caret;
};
