#include "ShortcutKeyTable.h"

// Ctrl+Alt+L and Ctrl+Alt+F.
const SHORTCUT_KEY DEFAULT_SHORTCUTS[SHORTCUT_COUNT] = {
    {'L', SHORTCUT_CTRL | SHORTCUT_ALT},
    {'F', SHORTCUT_CTRL | SHORTCUT_ALT},
};

// Backspace, Enter, Space, Page Up to Down, "0" to "9", "A" to "Z", F1 to F12.
const BYTE KEY_CODES[KEY_CODE_COUNT] = {
    0x08, 0x0D, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, '0',  '1',  '2',  '3',
    '4',  '5',  '6',  '7',  '8',  '9',  'A',  'B',  'C',  'D',  'E',  'F',  'G',  'H',  'I',
    'J',  'K',  'L',  'M',  'N',  'O',  'P',  'Q',  'R',  'S',  'T',  'U',  'V',  'W',  'X',
    'Y',  'Z',  0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B,
};

std::size_t FindKeyIndex(DWORD vk) {
    for (std::size_t i = 0; i < KEY_CODE_COUNT; ++i) {
        if (KEY_CODES[i] == vk) {
            return i;
        }
    }
    return KEY_CODE_COUNT;
}

bool ShortcutsOverlap(const SHORTCUT_KEY* keys, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (keys[i].vk == keys[j].vk && keys[i].flags == keys[j].flags) {
                return true;
            }
        }
    }
    return false;
}
