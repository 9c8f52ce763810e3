#include "MenuCommands.h"

#include "Session.h"
#include "Text.h"
#include "model/AreaModes.h"
#include "model/MrgDoc.h"
#include "platform/sim/user32/user32_state.h"

namespace {

bool Names(const sim::MenuItem& entry, const std::string& wanted) {
    return PlainText(entry.text) == wanted || WithoutAccessKeySuffix(entry.text) == wanted;
}

bool BeginsWith(const sim::MenuItem& entry, const std::string& wanted) {
    return !wanted.empty() && (PlainText(entry.text).rfind(wanted, 0) == 0 ||
                               WithoutAccessKeySuffix(entry.text).rfind(wanted, 0) == 0);
}

// "\"Full Screen\", \"Option...\"": the items as the menu shows them, for an error.
std::string Listed(const std::vector<const sim::MenuItem*>& entries) {
    std::string listed;
    for (const sim::MenuItem* entry : entries) {
        listed += (listed.empty() ? "\"" : ", \"") + WithoutAmpersands(entry->text) + "\"";
    }
    return listed;
}

// An item by its id, its text or the start of its text when only one item begins so, in the
// menu or in any submenu open to it.
std::string Find(HMENU menu, const std::string& item, UINT& id) {
    const std::string wanted = PlainText(item);
    long number = 0;
    const bool byId = ParseNumber(item, 1, 0xFFFF, number);
    std::vector<const sim::MenuItem*> commands;
    const sim::MenuItem* namedSubmenu = nullptr;
    std::vector<HMENU> pending{menu};
    for (std::size_t next = 0; next < pending.size(); ++next) {
        for (const sim::MenuItem& entry : sim::User32().menus.at(pending[next]).items) {
            if (entry.separator) {
                continue;
            }
            if (entry.submenu == nullptr) {
                commands.push_back(&entry);
            } else if ((entry.state & (MF_GRAYED | MF_DISABLED)) == 0) {
                pending.push_back(entry.submenu);
                namedSubmenu = !byId && Names(entry, wanted) ? &entry : namedSubmenu;
            }
        }
    }
    // A disabled item's id is given too, so that the caller can say why.
    const auto take = [&](const sim::MenuItem& entry) {
        id = entry.id;
        return (entry.state & (MF_GRAYED | MF_DISABLED)) ? Quoted(item) + " is not available now"
                                                         : std::string();
    };
    std::vector<const sim::MenuItem*> beginning;
    for (const sim::MenuItem* entry : commands) {
        if (byId ? entry->id == static_cast<UINT>(number) : Names(*entry, wanted)) {
            return take(*entry);
        }
        if (!byId && BeginsWith(*entry, wanted)) {
            beginning.push_back(entry);
        }
    }
    if (namedSubmenu != nullptr) {
        std::vector<const sim::MenuItem*> inside;
        for (const sim::MenuItem& entry : sim::User32().menus.at(namedSubmenu->submenu).items) {
            if (!entry.separator) {
                inside.push_back(&entry);
            }
        }
        return Quoted(item) + " opens a submenu; choose one of its items: " + Listed(inside);
    }
    if (beginning.size() == 1) {
        return take(*beginning.front());
    }
    if (beginning.size() > 1) {
        return Quoted(item) + " could be " + Listed(beginning);
    }
    return "the menu has no item " + Quoted(item) + "; its items are " + Listed(commands);
}

// Why the program greys an item out, as the user would work it out from what they see.
std::string WhyUnavailable(const Session& s, UINT id) {
    const CMrgDoc* doc = s.Document();
    if (doc == nullptr) {
        return "";
    }
    if (doc->m_pDevice == nullptr) {
        return ": no converter is plugged in (\"plug\" plugs one in)";
    }
    if (IsTraceMode(static_cast<int>(id)) && IsRectEmpty(&doc->m_rcDisplayArea)) {
        return ": the trace modes need an area smaller than the screen stored (Select Area, "
               "Select Window or Quarter Screen stores one)";
    }
    return "";
}

} // namespace

namespace MenuCommands {

std::string Choose(Session& s, const Words& words) {
    std::string item = words[1];
    for (std::size_t i = 2; i < words.size(); ++i) {
        item += " " + words[i];
    }
    UINT id = 0;
    std::string error = Find(s.OpenMenu(), item, id);
    if (error.empty()) {
        s.CloseMenu(id);
    } else if (id != 0) {
        error += WhyUnavailable(s, id);
    }
    return error;
}

std::string Dismiss(Session& s, const Words&) {
    s.CloseMenu(0);
    return "";
}

std::vector<std::string> Completions(HMENU menu) {
    std::vector<std::string> lines;
    std::vector<HMENU> pending{menu};
    for (std::size_t next = 0; next < pending.size(); ++next) {
        for (const sim::MenuItem& entry : sim::User32().menus.at(pending[next]).items) {
            if (entry.submenu != nullptr) {
                pending.push_back(entry.submenu);
            } else if (!entry.separator && (entry.state & (MF_GRAYED | MF_DISABLED)) == 0) {
                lines.push_back("choose " + WithoutAmpersands(FullWidthKana(entry.text)));
            }
        }
    }
    return lines;
}

} // namespace MenuCommands
