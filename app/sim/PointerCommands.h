// The simulator's commands for the mouse, the keyboard and the desktop's windows.
#pragma once

#include "CommandTable.h"

namespace PointerCommands {
std::string Move(Session& s, const Words& words);
std::string Click(Session& s, const Words& words);
// In an open menu, the key goes to the menu.
std::string Key(Session& s, const Words& words);
// Adds another program's window, or makes window N's program do something with it.
std::string Window(Session& s, const Words& words);
// The desktop's other programs at work: focus N, caret N X Y, type TEXT.
std::string Focus(Session& s, const Words& words);
std::string Caret(Session& s, const Words& words);
std::string Type(Session& s, const Words& words);
} // namespace PointerCommands
