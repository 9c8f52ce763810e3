// The simulator's commands inside an open dialog or property sheet: tabs, buttons, check
// boxes, sliders and lists, named by their id or by their text, and a listing of them.
#pragma once

#include "CommandTable.h"
#include "platform/win32.h"

namespace DialogCommands {
std::string Ok(Session& s, const Words& words);
std::string Cancel(Session& s, const Words& words);
std::string Close(Session& s, const Words& words);
std::string Tab(Session& s, const Words& words);
// press, check and uncheck
std::string Press(Session& s, const Words& words);
std::string Hold(Session& s, const Words& words);
std::string Slider(Session& s, const Words& words);
std::string Select(Session& s, const Words& words);
// Prints the dialog's caption, its tabs and every control of the page shown.
void Show(Session& s, HWND dialog);
// What can be typed in the dialog besides the commands: its tabs, and each control by its
// name with the command that works it.
std::vector<std::string> Completions(HWND dialog);
// The texts of a tab control's tabs, in order.
std::vector<std::string> TabNames(HWND tabs);
} // namespace DialogCommands
