// The simulator's answers to an open menu: an item chosen by its text, the start of its text
// or its command id, in the menu or a submenu; or the menu dismissed.
#pragma once

#include "CommandTable.h"
#include "platform/win32.h"

namespace MenuCommands {
std::string Choose(Session& s, const Words& words);
std::string Dismiss(Session& s, const Words& words);
// "choose ITEM" for each item the user can choose in the menu and its submenus.
std::vector<std::string> Completions(HMENU menu);
} // namespace MenuCommands
