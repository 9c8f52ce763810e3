#include "ShortcutCommands.h"

#include "../res/resource.h"
#include "TrayMessages.h"

const ShortcutCommand SHORTCUT_COMMANDS[SHORTCUT_COUNT] = {
    {WM_TRAYNOTIFY, 0, WM_LBUTTONUP},
    {WM_COMMAND, ID_FULL_SCREEN, 0},
};
