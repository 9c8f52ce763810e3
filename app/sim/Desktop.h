// The desktop corvane-sim shows the program: other programs' windows, numbered as the user
// added them, so that Select Window has something to pick.
#pragma once

#include "platform/sim/user32/user32_state.h"

#include <string>
#include <vector>

class Desktop {
  public:
    // A few ordinary windows, with titles and client areas, as a newcomer's desktop has.
    void Furnish();
    // The number `show windows` gives the window, from 1. A window without a colour of its
    // own gets the next of a few distinct ones, so that each can be told apart on the TV.
    int Add(sim::WindowManager::ForeignWindow window);
    HWND Window(int number) const;
    std::vector<std::string> Describe() const;

  private:
    std::vector<HWND> m_windows;
};
