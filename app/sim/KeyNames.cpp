#include "KeyNames.h"

#include "platform/hook_library.h"

#include <cctype>
#include <sstream>

namespace {

struct NamedKey {
    const char* name;
    DWORD vk;
};

const NamedKey kNamedKeys[] = {
    {"esc", 0x1B},   {"escape", 0x1B}, {"tab", 0x09},      {"backspace", 0x08}, {"enter", 0x0D},
    {"space", 0x20}, {"pageup", 0x21}, {"pagedown", 0x22}, {"end", 0x23},       {"home", 0x24},
    {"left", 0x25},  {"up", 0x26},     {"right", 0x27},    {"down", 0x28},
};

std::optional<DWORD> KeyCode(const std::string& name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        return static_cast<DWORD>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' &&
        std::isdigit(static_cast<unsigned char>(name[1]))) {
        const int number = std::stoi(name.substr(1));
        if (number >= 1 && number <= 12 && std::to_string(number) == name.substr(1)) {
            return static_cast<DWORD>(0x70 + number - 1);
        }
    }
    for (const NamedKey& key : kNamedKeys) {
        if (name == key.name) {
            return key.vk;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<KeyCombination> ParseKeys(const std::string& text) {
    KeyCombination combination{0, 0};
    std::istringstream parts(text);
    std::string part;
    bool haveKey = false;
    while (std::getline(parts, part, '+')) {
        for (char& c : part) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        DWORD modifier = 0;
        if (part == "ctrl" || part == "control") {
            modifier = SHORTCUT_CTRL;
        } else if (part == "alt") {
            modifier = SHORTCUT_ALT;
        } else if (part == "shift") {
            modifier = SHORTCUT_SHIFT;
        }
        if (modifier != 0) {
            if (haveKey || (combination.flags & modifier)) {
                return std::nullopt;
            }
            combination.flags |= modifier;
            continue;
        }
        const std::optional<DWORD> vk = KeyCode(part);
        if (!vk || haveKey) {
            return std::nullopt;
        }
        combination.vk = *vk;
        haveKey = true;
    }
    return haveKey ? std::optional<KeyCombination>(combination) : std::nullopt;
}
