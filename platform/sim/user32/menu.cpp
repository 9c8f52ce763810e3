#include "platform/sim/user32/menu.h"

#include "platform/resource_tables.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/user32_state.h"

#include <cstring>
#include <vector>

using sim::Menu;
using sim::MenuItem;
namespace sim {

namespace {

constexpr UINT kNotEnabled = MF_GRAYED | MF_DISABLED;

Menu* FindMenu(HMENU menu) {
    auto& menus = sim::User32().menus;
    const auto found = menus.find(menu);
    return found == menus.end() ? nullptr : &found->second;
}

void Describe(HMENU menu, const std::string& indent, std::vector<std::string>& lines) {
    const Menu* m = FindMenu(menu);
    if (m == nullptr) {
        return;
    }
    for (const MenuItem& item : m->items) {
        if (item.separator) {
            lines.push_back(indent + "separator");
            continue;
        }
        const bool enabled = (item.state & kNotEnabled) == 0;
        if (item.submenu != nullptr) {
            lines.push_back(indent + "popup \"" + item.text + "\" " +
                            (enabled ? "enabled" : "grayed"));
            // A grayed popup cannot be opened: what it holds is not for the user to see.
            if (enabled) {
                Describe(item.submenu, indent + "  ", lines);
            }
            continue;
        }
        std::string line = indent + std::to_string(item.id) + " \"" + item.text + "\" " +
                           (enabled ? "enabled" : "disabled");
        if (item.state & MF_CHECKED) {
            line += " checked";
        }
        lines.push_back(line);
    }
}

// The item an id or position names, searching submenus for a command id.
MenuItem* Locate(HMENU menu, UINT item, UINT flags) {
    Menu* m = FindMenu(menu);
    if (m == nullptr) {
        return nullptr;
    }
    if (flags & MF_BYPOSITION) {
        return item < m->items.size() ? &m->items[item] : nullptr;
    }
    for (MenuItem& each : m->items) {
        if (each.submenu == nullptr && !each.separator && each.id == item) {
            return &each;
        }
        if (each.submenu != nullptr) {
            if (MenuItem* inner = Locate(each.submenu, item, flags)) {
                return inner;
            }
        }
    }
    return nullptr;
}

HMENU Build(const MenuResourceItem* items, std::size_t count, std::size_t& next, int level,
            bool japanese) {
    const HMENU handle = static_cast<HMENU>(sim::Kernel32().NewHandle());
    Menu menu;
    while (next < count && items[next].level == level) {
        const MenuResourceItem& source = items[next++];
        MenuItem item;
        item.separator = source.english == nullptr;
        if (!item.separator) {
            item.text = japanese ? source.japanese : source.english;
        }
        if (source.id == kMenuPopup) {
            item.submenu = Build(items, count, next, level + 1, japanese);
        } else {
            item.id = source.id;
        }
        menu.items.push_back(item);
    }
    sim::User32().menus[handle] = menu;
    return handle;
}

// Opening a popup lets its owner set up its items, then those of each submenu the user can
// reach, as hovering over them would.
void Initialise(HMENU menu, HWND owner, UINT position) {
    SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(position, FALSE));
    const Menu* m = FindMenu(menu);
    for (std::size_t i = 0; m != nullptr && i < m->items.size(); ++i) {
        const MenuItem item = m->items[i];
        if (item.submenu != nullptr && (item.state & kNotEnabled) == 0) {
            Initialise(item.submenu, owner, static_cast<UINT>(i));
        }
        m = FindMenu(menu);
    }
}

// A command the user can actually click: enabled, and inside enabled popups.
bool Reachable(HMENU menu, UINT id) {
    const Menu* m = FindMenu(menu);
    if (m == nullptr || id == 0) {
        return false;
    }
    for (const MenuItem& item : m->items) {
        if ((item.state & kNotEnabled) != 0 || item.separator) {
            continue;
        }
        if (item.submenu != nullptr ? Reachable(item.submenu, id) : item.id == id) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<std::string> DescribeMenu(HMENU menu) {
    std::vector<std::string> lines;
    Describe(menu, "", lines);
    return lines;
}

const MenuItem* FindMenuCommand(HMENU menu, UINT id) {
    return Locate(menu, id, MF_BYCOMMAND);
}

} // namespace sim

HMENU LoadMenuA(HINSTANCE, LPCSTR name) {
    const MenuResource* resource = IS_INTRESOURCE(name)
                                       ? FindMenuResource(LOWORD(reinterpret_cast<ULONG_PTR>(name)))
                                       : nullptr;
    if (resource == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    std::size_t next = 0;
    return sim::Build(resource->items, resource->count, next, 0,
                      sim::Kernel32().language == sim::Language::Japanese);
}

HMENU GetSubMenu(HMENU menu, int position) {
    const MenuItem* item = sim::Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return item ? item->submenu : nullptr;
}

int GetMenuItemCount(HMENU menu) {
    const Menu* m = sim::FindMenu(menu);
    if (m == nullptr) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return -1;
    }
    return static_cast<int>(m->items.size());
}

UINT GetMenuItemID(HMENU menu, int position) {
    const MenuItem* item = sim::Locate(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (item == nullptr || item->submenu != nullptr) {
        return static_cast<UINT>(-1);
    }
    return item->separator ? 0 : item->id;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR text, int maxCount, UINT flags) {
    const MenuItem* found = sim::Locate(menu, item, flags);
    if (found == nullptr) {
        return 0;
    }
    const int length = static_cast<int>(found->text.size());
    if (text == nullptr || maxCount <= 0) {
        return length;
    }
    const int copied = length < maxCount - 1 ? length : maxCount - 1;
    std::memcpy(text, found->text.data(), static_cast<std::size_t>(copied));
    text[copied] = '\0';
    return copied;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuItem* found = sim::Locate(menu, item, enable);
    if (found == nullptr) {
        return -1;
    }
    const UINT previous = found->state & sim::kNotEnabled;
    found->state = (found->state & ~sim::kNotEnabled) | (enable & sim::kNotEnabled);
    return static_cast<BOOL>(previous);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    MenuItem* found = sim::Locate(menu, item, check);
    if (found == nullptr) {
        return static_cast<DWORD>(-1);
    }
    const DWORD previous = found->state & MF_CHECKED;
    found->state = (found->state & ~static_cast<UINT>(MF_CHECKED)) | (check & MF_CHECKED);
    return previous;
}

BOOL DestroyMenu(HMENU menu) {
    auto& menus = sim::User32().menus;
    const auto found = menus.find(menu);
    if (found == menus.end()) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    const Menu m = found->second;
    menus.erase(found);
    for (const MenuItem& item : m.items) {
        if (item.submenu != nullptr) {
            DestroyMenu(item.submenu);
        }
    }
    return TRUE;
}

BOOL EndMenu() {
    sim::User32().menuEnded = sim::User32().menuTracking;
    return TRUE;
}

namespace sim {
namespace {

// The item's underlined letter, upper case, or 0.
char Mnemonic(const MenuItem& item) {
    const std::size_t amp = item.text.find('&');
    if (amp == std::string::npos || amp + 1 >= item.text.size()) {
        return 0;
    }
    const char c = item.text[amp + 1];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The popup's own loop takes keys queued for the program: Down and Up move over its items,
// Enter chooses an enabled command, an underlined letter chooses the one item it underlines
// (or moves among several), Esc closes the menu. Other messages are delivered. True when the
// keys ended the menu, with the command chosen (0 for none); the item selected carries over
// to the next keys.
bool TakeQueuedKeys(HMENU menu, int& selected, UINT& chosen) {
    const Menu* m = FindMenu(menu);
    const int count = m ? static_cast<int>(m->items.size()) : 0;
    const auto item = [&](int i) -> const MenuItem& {
        return m->items[static_cast<std::size_t>(i)];
    };
    const auto move = [&](int step) {
        for (int tries = 0; tries < count; ++tries) {
            selected =
                selected < 0 ? (step > 0 ? 0 : count - 1) : (selected + step + count) % count;
            if (!item(selected).separator) {
                return;
            }
        }
    };
    const auto choose = [&](int i) {
        if (item(i).submenu == nullptr && (item(i).state & kNotEnabled) == 0) {
            chosen = item(i).id;
            return true;
        }
        return false;
    };
    MSG message;
    while (!sim::User32().menuEnded && sim::Windows().NextMessage(message)) {
        if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
            if (message.message != WM_KEYUP && message.message != WM_SYSKEYUP &&
                message.message != WM_CHAR) {
                sim::Windows().Dispatch(message);
            }
            continue;
        }
        if (count == 0) {
            continue;
        }
        const WPARAM key = message.wParam;
        if (key == VK_DOWN || key == VK_UP) {
            move(key == VK_DOWN ? 1 : -1);
        } else if (key == VK_ESCAPE) {
            chosen = 0;
            return true;
        } else if (key == VK_RETURN) {
            if (selected >= 0 && choose(selected)) {
                return true;
            }
        } else if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
            std::vector<int> underlined;
            for (int i = 0; i < count; ++i) {
                if (!item(i).separator && Mnemonic(item(i)) == static_cast<char>(key)) {
                    underlined.push_back(i);
                }
            }
            if (underlined.size() == 1 && choose(underlined.front())) {
                return true;
            }
            // Several: each press selects the next of them.
            for (const int i : underlined) {
                if (i > selected || i == underlined.back()) {
                    selected = i > selected ? i : underlined.front();
                    break;
                }
            }
        }
    }
    return false;
}

} // namespace
} // namespace sim

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (sim::FindMenu(menu) == nullptr || sim::Windows().Find(owner) == nullptr) {
        SetLastError(sim::FindMenu(menu) ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    sim::User32().menuTracking = true;
    sim::User32().menuEnded = false;
    sim::Initialise(menu, owner, 0);
    ++sim::User32().popupMenusShown;
    UINT chosen = 0;
    sim::User32().openMenu = {menu, POINT{x, y}, flags, -1};
    int& selected = sim::User32().openMenu.selected;
    while (!sim::User32().menuEnded && !sim::TakeQueuedKeys(menu, selected, chosen) &&
           !sim::User32().menuEnded) {
        chosen = sim::User().ChooseFromMenu(menu, owner);
        if (chosen != sim::kMenuKeysPressed) {
            break;
        }
        chosen = 0;
    }
    sim::User32().menuTracking = false;
    sim::User32().openMenu = {};
    if (sim::User32().menuEnded || !sim::Reachable(menu, chosen)) {
        chosen = 0;
    }
    sim::User32().menuEnded = false;
    if (flags & TPM_RETURNCMD) {
        return static_cast<BOOL>(chosen);
    }
    if (chosen != 0) {
        PostMessageA(owner, WM_COMMAND, chosen, 0);
    }
    return TRUE;
}
