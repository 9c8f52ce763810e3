// "show": what the user can look at besides the pictures: the tray icon, the stored area and
// the running mode's selection, the registry, the converter's registers, the desktop's
// windows, the pointer and an open dialog.
#pragma once

#include "CommandTable.h"

namespace ShowCommands {
std::string Show(Session& s, const Words& words);
} // namespace ShowCommands
