// The simulator's commands for the mouse, the keyboard and the desktop's windows.
#include "PointerCommands.h"
#include "Desktop.h"
#include "KeyNames.h"
#include "Session.h"
#include "Text.h"
#include "platform/hook_library.h"
#include "platform/sim/control/world.h"
#include "platform/sim/interaction.h"
#include "platform/sim/user32/user32_state.h"

namespace {

std::string NoSuchWindow(const std::string& typed) {
    return "there is no window " + typed + " (\"show windows\" lists them)";
}

bool ParseRect(const std::vector<std::string>& words, std::size_t at, RECT& rect) {
    long v[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        if (at + i >= words.size() || !ParseNumber(words[at + i], -32768, 32767, v[i])) {
            return false;
        }
    }
    rect = RECT{static_cast<LONG>(v[0]), static_cast<LONG>(v[1]), static_cast<LONG>(v[2]),
                static_cast<LONG>(v[3])};
    return true;
}

} // namespace

std::string PointerCommands::Move(Session& s, const Words& words) {
    long x = 0;
    long y = 0;
    if (!ParseNumber(words[1], -32768, 32767, x) || !ParseNumber(words[2], -32768, 32767, y)) {
        return "move takes X and Y";
    }
    s.World().input.MoveMouse(static_cast<int>(x), static_cast<int>(y));
    return "";
}

std::string PointerCommands::Click(Session& s, const Words& words) {
    if (words.size() == 2) {
        return "click takes nothing, or X and Y";
    }
    if (words.size() == 3) {
        if (const std::string error = Move(s, words); !error.empty()) {
            return "click takes nothing, or X and Y";
        }
    }
    s.World().input.Click();
    return "";
}

std::string PointerCommands::Key(Session& s, const Words& words) {
    std::optional<KeyCombination> keys = ParseKeys(Lower(words[1]));
    if (!keys || (words.size() == 3 && Lower(words[2]) != "shift")) {
        return "key takes a key's name (esc, enter, left, up, right, down, a letter) and "
               "optionally shift";
    }
    if (words.size() == 3) {
        keys->flags |= SHORTCUT_SHIFT;
    }
    s.World().input.TypeKey(static_cast<BYTE>(keys->vk), keys->flags);
    // In an open menu the key went to the menu's own loop, as on Windows.
    if (s.OpenMenu() != nullptr) {
        s.CloseMenu(sim::kMenuKeysPressed);
    }
    return "";
}

namespace {

// "RRGGBB", as a web colour is written.
bool ParseColour(const std::string& text, std::uint32_t& colour) {
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return false;
    }
    colour = static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
    return true;
}

// window N color RRGGBB | move X Y | size W H | hide | show | close: what window N's program
// does with it.
std::string ActOnWindow(Session& s, const Words& words) {
    long number = 0;
    if (!ParseNumber(words[1], 1, 9999, number) ||
        s.Windows().Window(static_cast<int>(number)) == nullptr) {
        return NoSuchWindow(words[1]);
    }
    Desktop& desktop = s.Windows();
    const int n = static_cast<int>(number);
    const std::string verb = Lower(words[2]);
    long a = 0;
    long b = 0;
    if (verb == "color" && words.size() == 4) {
        std::uint32_t colour = 0;
        if (!ParseColour(words[3], colour)) {
            return "color takes RRGGBB, for example 3C8D5A";
        }
        sim::Windows().Find(desktop.Window(n))->colour = colour;
    } else if (verb == "move" && words.size() == 5) {
        if (!ParseNumber(words[3], -32768, 32767, a) || !ParseNumber(words[4], -32768, 32767, b)) {
            return "window N move takes X Y, where its top-left corner goes";
        }
        desktop.Move(n, POINT{static_cast<LONG>(a), static_cast<LONG>(b)});
    } else if (verb == "size" && words.size() == 5) {
        if (!ParseNumber(words[3], 0, 32767, a) || !ParseNumber(words[4], 0, 32767, b)) {
            return "window N size takes W H, its width and height";
        }
        desktop.Resize(n, SIZE{static_cast<LONG>(a), static_cast<LONG>(b)});
    } else if ((verb == "hide" || verb == "show") && words.size() == 3) {
        desktop.Show(n, verb == "show");
    } else if (verb == "close" && words.size() == 3) {
        desktop.Close(n);
    } else {
        return "window N takes move X Y, size W H, hide, show, close or color RRGGBB";
    }
    return "";
}

} // namespace

// window L T R B [client L T R B] [title TEXT] [color RRGGBB] [hidden] [disabled] [transparent]
// [child-of N]
std::string PointerCommands::Window(Session& s, const Words& words) {
    long ignored = 0;
    if (words.size() >= 3 && !ParseNumber(words[2], -32768, 32767, ignored)) {
        return ActOnWindow(s, words);
    }
    sim::WindowManager::ForeignWindow window;
    if (!ParseRect(words, 1, window.rect)) {
        return "window takes L T R B first, or N and what its program does with it";
    }
    for (std::size_t i = 5; i < words.size(); ++i) {
        const std::string word = Lower(words[i]);
        long number = 0;
        if (word == "client" && ParseRect(words, i + 1, window.client.emplace())) {
            i += 4;
        } else if (word == "title" && i + 1 < words.size()) {
            window.title = words[++i];
        } else if (word == "color" && i + 1 < words.size() &&
                   ParseColour(words[i + 1], window.colour.emplace())) {
            ++i;
        } else if (word == "hidden") {
            window.visible = false;
        } else if (word == "disabled") {
            window.enabled = false;
        } else if (word == "transparent") {
            window.transparent = true;
        } else if (word == "child-of" && i + 1 < words.size() &&
                   ParseNumber(words[i + 1], 1, 9999, number) &&
                   (window.parent = s.Windows().Window(static_cast<int>(number))) != nullptr) {
            ++i;
        } else {
            return "window does not take \"" + words[i] + "\" there (\"help\" shows its form)";
        }
    }
    s.Print("window " + std::to_string(s.Windows().Add(window)) + " added");
    return "";
}

std::string PointerCommands::Focus(Session& s, const Words& words) {
    long number = 0;
    if (!ParseNumber(words[1], 1, 9999, number) || !s.Windows().Focus(static_cast<int>(number))) {
        return NoSuchWindow(words[1]);
    }
    return "";
}

std::string PointerCommands::Caret(Session& s, const Words& words) {
    long number = 0;
    long x = 0;
    long y = 0;
    if (!ParseNumber(words[1], 1, 9999, number) || !ParseNumber(words[2], 0, 32767, x) ||
        !ParseNumber(words[3], 0, 32767, y)) {
        return "caret takes a window's number and X Y in its client area";
    }
    if (!s.Windows().PlaceCaret(static_cast<int>(number),
                                POINT{static_cast<LONG>(x), static_cast<LONG>(y)})) {
        return NoSuchWindow(words[1]);
    }
    return "";
}

std::string PointerCommands::Type(Session& s, const Words& words) {
    std::string text;
    for (std::size_t i = 1; i < words.size(); ++i) {
        text += (i == 1 ? "" : " ") + words[i];
    }
    if (!s.Windows().Type(text)) {
        return "the focused window shows no caret (\"focus N\", then \"caret N X Y\")";
    }
    return "";
}
