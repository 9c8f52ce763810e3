#include "ShowCommands.h"

#include "Desktop.h"
#include "DialogCommands.h"
#include "PictureCommands.h"
#include "Session.h"
#include "Text.h"
#include "model/MrgDoc.h"
#include "model/StoredValues.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/control/world.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "view/MrgView.h"

#include <algorithm>
#include <cstring>

namespace {

const char kProfile[] = "Software\\Velmora\\Corvane";

// The registers the converter's model keeps: the picture controls, register 8 and the
// control block.
const BYTE kChipRegisters[] = {0x08, 0x26, 0x28, 0x2A, 0x2E, 0x60, 0x62, 0x64, 0x66, 0x68, 0x6A,
                               0x6C, 0x6E, 0x70, 0x72, 0x74, 0x76, 0x78, 0x7A, 0x7C, 0x7E};

// The settings in the order the program reads them, those not stored among them, then
// every other value the program keeps (its shortcut keys, the settings' version).
void ShowRegistry(Session& s) {
    auto values = sim::Advapi32().registry.ListValues(kProfile);
    const auto take = [&values](const std::string& name) -> std::string {
        const auto found = std::find_if(values.begin(), values.end(), [&](const auto& value) {
            return Lower(value.first) == Lower(name);
        });
        if (found == values.end()) {
            return " not stored";
        }
        DWORD number = 0;
        std::memcpy(&number, found->second->data.data(),
                    std::min(found->second->data.size(), sizeof number));
        values.erase(found);
        return " = " + std::to_string(number);
    };
    for (const STORED_VALUE& value : g_storedValues) {
        const std::string name = std::string(value.section) + "\\" + value.name;
        s.Print("registry: " + name + take(name));
    }
    while (!values.empty()) {
        const std::string name = values.front().first;
        s.Print("registry: " + name + take(name));
    }
}

std::string ShowArea(Session& s) {
    const CMrgDoc* doc = s.Document();
    if (doc == nullptr) {
        return "the program has no document";
    }
    const RECT& area = doc->m_rcDisplayArea;
    s.Print(IsRectEmpty(&area)
                ? "area: empty"
                : "area: " + std::to_string(area.left) + " " + std::to_string(area.top) + " " +
                      std::to_string(area.right) + " " + std::to_string(area.bottom));
    return "";
}

// The working selection of the mode that runs, as the view holds it.
std::string ShowSelection(Session& s) {
    const CMrgView* view = s.View();
    if (view == nullptr) {
        return "the program has no view";
    }
    const RECT& r = view->m_rcSelection;
    s.Print(view->m_nMode == 0
                ? "selection: no mode runs"
                : "selection: " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                      std::to_string(r.right) + " " + std::to_string(r.bottom));
    return "";
}

std::string ShowRegisters(Session& s) {
    sim::Converter* converter = s.LastAttached();
    if (converter == nullptr) {
        return "no converter is attached";
    }
    for (const BYTE reg : kChipRegisters) {
        char line[40];
        std::snprintf(line, sizeof line, "register 0x%02X = 0x%04X", reg,
                      converter->Register(reg, s.World().Now()));
        s.Print(line);
    }
    return "";
}

} // namespace

namespace ShowCommands {

std::string Show(Session& s, const Words& words) {
    const std::string what = Lower(words[1]);
    if (words.size() > 2 && what != "tv" && what != "screen") {
        return "only show tv and show screen take a file";
    }
    if (what == "tray") {
        const sim::TrayIcon& tray = sim::Shell32().tray;
        s.Print(tray.present
                    ? "tray: icon " + std::to_string(tray.iconResource) + " \"" + tray.tip + "\""
                    : "tray: none");
    } else if (what == "area") {
        return ShowArea(s);
    } else if (what == "registry") {
        ShowRegistry(s);
    } else if (what == "registers") {
        return ShowRegisters(s);
    } else if (what == "windows") {
        for (const std::string& line : s.Windows().Describe()) {
            s.Print(line);
        }
    } else if (what == "selection") {
        return ShowSelection(s);
    } else if (what == "dialog") {
        if (s.OpenDialog() == nullptr) {
            return "no dialog is open";
        }
        DialogCommands::Show(s, s.OpenDialog());
    } else if (what == "tv") {
        return PictureCommands::ShowTv(s, words);
    } else if (what == "screen") {
        return PictureCommands::ShowScreen(s, words);
    } else if (what == "cursor") {
        s.Print("cursor: " + std::to_string(sim::User32().cursor.x) + " " +
                std::to_string(sim::User32().cursor.y));
    } else {
        return "show takes tray, area, registry, registers, windows, selection, cursor, "
               "dialog, tv or screen";
    }
    return "";
}

} // namespace ShowCommands
