// Key combinations as people type them: "ctrl+alt+f", "shift+f12", "space".
#pragma once

#include "platform/win32.h"

#include <optional>
#include <string>

struct KeyCombination {
    DWORD vk;
    DWORD flags; // SHORTCUT_SHIFT, SHORTCUT_CTRL, SHORTCUT_ALT
};

// Nothing when the text names no key, or a modifier twice.
std::optional<KeyCombination> ParseKeys(const std::string& text);
