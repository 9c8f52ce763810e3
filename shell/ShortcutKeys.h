// The two global shortcut keys: what each does, its default, and the keys it may use.
#pragma once

#include "../platform/hook_library.h"

#include <cstddef>

// The vk and modifier flags the Shortcut Key page edits.
struct SHORTCUT_KEY {
    DWORD vk;
    DWORD flags;
};

// Position 0 opens the Left Button Menu, position 1 switches to full screen.
struct ShortcutCommand {
    SHORTCUT_KEY defaultKey;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

constexpr std::size_t SHORTCUT_COUNT = 2;
extern const ShortcutCommand DEFAULT_SHORTCUTS[SHORTCUT_COUNT];

constexpr std::size_t KEY_CODE_COUNT = 59;
extern const BYTE KEY_CODES[KEY_CODE_COUNT];

// The key's index in KEY_CODES, or KEY_CODE_COUNT for a key the table does not have.
std::size_t FindKeyIndex(DWORD vk);

// True when two of the definitions have the same key and the same modifier word.
bool ShortcutsOverlap(const SHORTCUT_KEY* keys, std::size_t count);
