// The keys a global shortcut may use, the two shortcuts' defaults, and when two definitions
// overlap: what the application registers and the Shortcut Key page edits.
#pragma once

#include "../platform/hook_library.h"

#include <cstddef>

// The vk and modifier flags of one definition.
struct SHORTCUT_KEY {
    DWORD vk;
    DWORD flags;
};

// Position 0 opens the Left Button Menu, position 1 switches to full screen.
constexpr std::size_t SHORTCUT_COUNT = 2;
extern const SHORTCUT_KEY DEFAULT_SHORTCUTS[SHORTCUT_COUNT];

constexpr std::size_t KEY_CODE_COUNT = 59;
extern const BYTE KEY_CODES[KEY_CODE_COUNT];

// The key's index in KEY_CODES, or KEY_CODE_COUNT for a key the table does not have.
std::size_t FindKeyIndex(DWORD vk);

// True when two of the definitions have the same key and the same modifier word.
bool ShortcutsOverlap(const SHORTCUT_KEY* keys, std::size_t count);
