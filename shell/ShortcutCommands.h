// What each global shortcut delivers to the main frame: position 0 a left click on the tray
// icon (the Left Button Menu), position 1 the Full Screen command.
#pragma once

#include "../model/ShortcutKeyTable.h"

struct ShortcutCommand {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

extern const ShortcutCommand SHORTCUT_COMMANDS[SHORTCUT_COUNT];
