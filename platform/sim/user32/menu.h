// Menus loaded from the resources, as the simulated user sees and chooses from them.
#pragma once

#include "platform/sim/include/win32_window_types.h"

#include <string>
#include <vector>

namespace sim {

struct MenuItem {
    UINT id = 0;
    std::string text;
    UINT state = 0; // MF_GRAYED, MF_DISABLED, MF_CHECKED
    HMENU submenu = nullptr;
    bool separator = false;
};

struct Menu {
    std::vector<MenuItem> items;
};

// One line an item, nesting shown by two spaces: `32782 "&Full Screen" enabled`,
// `popup "&Change Display Area..." grayed`, `separator`.
std::vector<std::string> DescribeMenu(HMENU menu);

// The item with that command id anywhere in the menu, or nullptr.
const MenuItem* FindMenuCommand(HMENU menu, UINT id);

} // namespace sim
