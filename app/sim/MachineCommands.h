// The simulator's commands for the machine around the program: converters plugged in and
// failing, the tray icon, global keys, time, power, the display and the session.
#pragma once

#include "CommandTable.h"

namespace MachineCommands {
std::string Plug(Session& s, const Words& words);
// unplug, power-cycle, claim and release: on the converter attached last.
std::string OnConverter(Session& s, const Words& words);
std::string Fail(Session& s, const Words& words);
std::string Tray(Session& s, const Words& words);
std::string Shortcut(Session& s, const Words& words);
std::string Wait(Session& s, const Words& words);
// suspend and resume
std::string Power(Session& s, const Words& words);
std::string Display(Session& s, const Words& words);
std::string Logoff(Session& s, const Words& words);
std::string Exit(Session& s, const Words& words);
std::string Wire(Session& s, const Words& words);
} // namespace MachineCommands
