// What the shortcut hook library has been told, and what a test asked it to refuse.
#pragma once

#include "platform/hook_library.h"

#include <set>
#include <string>
#include <vector>

namespace sim {

struct HookLibrary {
    bool running = false;
    std::vector<SHORTCUT_ENTRY*> entries;
    std::vector<std::string> calls; // "StartHook", "AddShortcut 76/6", ...
    int failAddAt = 0;              // the nth AddShortcut (from 1) returns nonzero
    bool failStart = false;
    int addsSeen = 0;
    std::set<BYTE> delivered; // shortcut keys down that delivered: their repeats deliver nothing
};

HookLibrary& Hook();

} // namespace sim
