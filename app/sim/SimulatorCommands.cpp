// The simulator's commands, one small function each, found through one table.
#include "DialogCommands.h"
#include "KeyNames.h"
#include "PictureCommands.h"
#include "PointerCommands.h"
#include "Simulator.h"
#include "Text.h"
#include "Topics.h"
#include "model/MrgDoc.h"
#include "model/StoredValues.h"
#include "platform/sim/advapi32/advapi32_state.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"
#include "res/resource.h"
#include "shell/MainFrame.h"
#include "shell/MrgApp.h"
#include "view/MrgView.h"

#include <algorithm>
#include <cstring>

namespace {

const char kProfile[] = "Software\\Velmora\\Corvane";

// The registers the converter's model keeps: the picture controls, register 8 and the
// control block.
const BYTE kChipRegisters[] = {0x08, 0x26, 0x28, 0x2A, 0x2E, 0x60, 0x62, 0x64, 0x66, 0x68, 0x6A,
                               0x6C, 0x6E, 0x70, 0x72, 0x74, 0x76, 0x78, 0x7A, 0x7C, 0x7E};

using Words = std::vector<std::string>;

} // namespace

struct SimulatorCommands {
    using Handler = std::string (*)(Simulator&, const Words&);
    struct Command {
        const char* keyword;
        std::size_t minArguments;
        std::size_t maxArguments;
        Handler run;
        const char* help;
    };

    static std::string Help(Simulator& s, const Words&);

    static std::string Plug(Simulator& s, const Words& words) {
        ChipConfig config = sim::MainModelConfig();
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string option = Lower(words[i]);
            if (option == "alt") {
                config.product_id = 0xA003;
            } else if (option == "pal") {
                config.powers_up_in_pal = 1;
            } else {
                return "plug takes \"alt\" and \"pal\", not \"" + words[i] + "\"";
            }
        }
        s.m_world.Plug(config);
        return "";
    }

    // Unplug, power-cycle, hold and release act on the converter attached last.
    static std::string OnConverter(Simulator& s, const Words& words) {
        sim::Converter* converter = s.LastAttached();
        if (converter == nullptr) {
            return "no converter is attached";
        }
        const std::string keyword = Lower(words[0]);
        if (keyword == "unplug") {
            s.m_world.Unplug(*converter);
            s.m_world.ForgetUnpluggedConverters();
        } else if (keyword == "power-cycle") {
            converter->LosePower(s.m_world.Now());
        } else {
            converter->HoldElsewhere(keyword == "hold");
        }
        return "";
    }

    // fail N ERROR: the nth transfer from now fails with that system error; with no converter
    // attached, the nth of the next one plugged in, counted from its first.
    static std::string Fail(Simulator& s, const Words& words) {
        long nth = 0;
        long error = 0;
        if (!ParseNumber(words[1], 1, 1000000, nth) || !ParseNumber(words[2], 1, 0xFFFF, error)) {
            return "fail takes the transfer's number from 1 and a system error, e.g. fail 5 31";
        }
        const Simulator::PendingFault fault{static_cast<unsigned>(nth), static_cast<DWORD>(error)};
        if (sim::Converter* converter = s.LastAttached()) {
            converter->FailNthTransfer(fault.nth, sim::Fault::Error(fault.error));
        } else {
            s.m_pendingFault = fault;
        }
        return "";
    }

    static std::string Tray(Simulator& s, const Words& words) {
        const std::string side = Lower(words[1]);
        if (side != "left" && side != "right") {
            return "tray takes left or right";
        }
        if (!sim::Shell32().tray.present) {
            return "there is no tray icon to click";
        }
        s.m_world.input.ClickTrayIcon(side == "left" ? sim::MouseButton::Left
                                                     : sim::MouseButton::Right);
        return "";
    }

    static std::string Shortcut(Simulator& s, const Words& words) {
        const std::optional<KeyCombination> keys = ParseKeys(words[1]);
        if (!keys) {
            return "not a key combination: \"" + words[1] + "\"";
        }
        if (!s.m_world.input.TypeKey(static_cast<BYTE>(keys->vk), keys->flags)) {
            s.Print("shortcut: not a shortcut of the program");
        }
        return "";
    }

    static std::string Wait(Simulator& s, const Words& words) {
        long ms = 0;
        if (!ParseNumber(words[1], 0, 86400000, ms)) {
            return "wait takes milliseconds, 0 to 86400000";
        }
        s.m_world.RunFor(static_cast<DWORD>(ms));
        return "";
    }

    static std::string Power(Simulator& s, const Words& words) {
        if (Lower(words[0]) == "suspend") {
            s.m_world.Suspend();
        } else {
            s.m_world.Resume();
        }
        return "";
    }

    static std::string Display(Simulator& s, const Words& words) {
        long width = 0;
        long height = 0;
        if (!ParseNumber(words[1], 1, 16384, width) || !ParseNumber(words[2], 1, 16384, height)) {
            return "display takes a width and a height, 1 to 16384";
        }
        s.m_world.ChangeDisplay(static_cast<int>(width), static_cast<int>(height));
        return "";
    }

    static std::string Logoff(Simulator& s, const Words& words) {
        const bool cancelled = words.size() == 2;
        if (cancelled && Lower(words[1]) != "cancel") {
            return "logoff takes nothing, or cancel";
        }
        s.m_world.EndSession(cancelled);
        if (!cancelled) {
            throw SessionOver{};
        }
        return "";
    }

    static std::string Exit(Simulator& s, const Words&) {
        if (!sim::Shell32().tray.present) {
            return "there is no tray icon to exit from";
        }
        s.m_autoChoice = ID_APP_EXIT;
        s.m_world.input.ClickTrayIcon(sim::MouseButton::Right);
        return "";
    }

    static std::string Show(Simulator& s, const Words& words) {
        const std::string what = Lower(words[1]);
        if (words.size() > 2 && what != "tv" && what != "screen") {
            return "only show tv and show screen take a file";
        }
        if (what == "tray") {
            const sim::TrayIcon& tray = sim::Shell32().tray;
            s.Print(tray.present ? "tray: icon " + std::to_string(tray.iconResource) + " \"" +
                                       tray.tip + "\""
                                 : "tray: none");
        } else if (what == "area") {
            return ShowArea(s);
        } else if (what == "registry") {
            ShowRegistry(s);
        } else if (what == "registers") {
            return ShowRegisters(s);
        } else if (what == "windows") {
            for (const std::string& line : s.m_desktop.Describe()) {
                s.Print(line);
            }
        } else if (what == "selection") {
            return ShowSelection(s);
        } else if (what == "dialog") {
            return "no dialog is open";
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

    // The settings in the order the program reads them, those not stored among them, then
    // every other value the program keeps (its shortcut keys, the settings' version).
    static void ShowRegistry(Simulator& s) {
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

    static std::string ShowArea(Simulator& s) {
        const auto* frame = static_cast<CMainFrame*>(s.m_app.m_pMainWnd);
        const auto* doc = frame ? static_cast<CMrgDoc*>(frame->GetActiveDocument()) : nullptr;
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
    static std::string ShowSelection(Simulator& s) {
        const auto* frame = static_cast<CMainFrame*>(s.m_app.m_pMainWnd);
        const auto* view = frame ? static_cast<CMrgView*>(frame->GetActiveView()) : nullptr;
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

    static std::string ShowRegisters(Simulator& s) {
        sim::Converter* converter = s.LastAttached();
        if (converter == nullptr) {
            return "no converter is attached";
        }
        for (const BYTE reg : kChipRegisters) {
            char line[40];
            std::snprintf(line, sizeof line, "register 0x%02X = 0x%04X", reg,
                          converter->Register(reg, s.m_world.Now()));
            s.Print(line);
        }
        return "";
    }

    static std::string Wire(Simulator& s, const Words& words) {
        const std::string state = Lower(words[1]);
        if (state != "on" && state != "off") {
            return "wire takes on or off";
        }
        s.m_wire = state == "on";
        for (sim::Converter* converter : s.m_world.AttachedConverters()) {
            s.Watch(*converter);
        }
        return "";
    }

    // Answers to a menu or a dialog, typed when none is open.
    static std::string NothingOpen(Simulator&, const Words&) { return "nothing is open to answer"; }

    static const Command kCommands[];
};

const SimulatorCommands::Command SimulatorCommands::kCommands[] = {
    {"plug", 0, 2, Plug,
     "plug [alt] [pal]     attach a converter (the alternative model; one that starts in PAL)"},
    {"unplug", 0, 0, OnConverter, "unplug               remove the converter attached last"},
    {"power-cycle", 0, 0, OnConverter,
     "power-cycle          the converter loses its power and gets it back"},
    {"fail", 2, 2, Fail,
     "fail N ERROR         the nth transfer from now fails with a system error, e.g. 5 31"},
    {"hold", 0, 0, OnConverter,
     "hold, release        another program takes or gives back the converter"},
    {"release", 0, 0, OnConverter, ""},
    {"tray", 1, 1, Tray, "tray left|right      click the tray icon"},
    {"choose", 1, 99, NothingOpen,
     "choose ITEM          answer an open menu: the item's text or its command id"},
    {"dismiss", 0, 0, NothingOpen, "dismiss              close an open menu without choosing"},
    {"ok", 0, 0, NothingOpen,
     "ok, cancel, close    in an open dialog: click OK, press Esc, click its close box"},
    {"cancel", 0, 0, NothingOpen, ""},
    {"close", 0, 0, NothingOpen, ""},
    {"shortcut", 1, 1, Shortcut,
     "shortcut KEYS        press a global key combination, e.g. ctrl+alt+f"},
    {"move", 2, 2, PointerCommands::Move, "move X Y             move the mouse pointer"},
    {"click", 0, 2, PointerCommands::Click,
     "click [X Y]          click the left mouse button (after moving there)"},
    {"key", 1, 2, PointerCommands::Key,
     "key NAME [shift]     press a key: esc, enter, left, up, right, down, a letter"},
    {"window", 3, 40, PointerCommands::Window,
     "window L T R B [client L T R B] [title TEXT] [color RRGGBB] [hidden] [disabled]\n"
     "       [transparent] [child-of N]  add another program's window to the desktop\n"
     "window N color RRGGBB  paint window N's client area in another colour"},
    {"wait", 1, 1, Wait, "wait MS              let time pass; timers fire"},
    {"suspend", 0, 0, Power, "suspend, resume      the system sleeps and wakes"},
    {"resume", 0, 0, Power, ""},
    {"display", 2, 2, Display, "display W H          change the screen resolution"},
    {"logoff", 0, 1, Logoff,
     "logoff [cancel]      end the session, or have another program cancel it"},
    {"exit", 0, 0, Exit,
     "exit                 choose \"Exit Application\" from the right-button menu"},
    {"show", 1, 2, Show, "show tray|area|registry|registers|windows|selection|cursor|dialog"},
    {"show", 1, 2, Show,
     "show tv [FILE.png]   what the TV shows: its source and place, a picture or a file"},
    {"show", 1, 2, Show, "show screen FILE.png the screen as a picture file"},
    {"wire", 1, 1, Wire, "wire on|off          print every transfer to the converter"},
    {"help", 0, 9, Help,
     "help [COMMAND|TOPIC] this list, one command's, or what a feature does (\"help topics\")"},
};

// Each command's keyword and, where its usage lists choices ("tray left|right"), each choice.
std::vector<std::string> Simulator::PromptCompletions() const {
    std::vector<std::string> lines;
    for (const SimulatorCommands::Command& command : SimulatorCommands::kCommands) {
        const std::string keyword = command.keyword;
        lines.push_back(keyword);
        const std::string help = command.help;
        if (help.rfind(keyword + " ", 0) != 0) {
            continue;
        }
        const std::string form = help.substr(
            keyword.size() + 1, help.find(' ', keyword.size() + 1) - keyword.size() - 1);
        if (form.find('|') == std::string::npos || Lower(form) != form) {
            continue;
        }
        for (std::size_t start = 0; start <= form.size();) {
            const std::size_t bar = std::min(form.find('|', start), form.size());
            lines.push_back(keyword + " " + form.substr(start, bar - start));
            start = bar + 1;
        }
    }
    return lines;
}

std::string SimulatorCommands::Help(Simulator& s, const Words& words) {
    if (words.size() == 1) {
        for (const Command& command : kCommands) {
            if (*command.help != '\0') {
                s.Print(command.help);
            }
        }
        s.Print(DialogCommands::kHelp);
        return "";
    }
    std::string asked = Lower(words[1]);
    for (std::size_t i = 2; i < words.size(); ++i) {
        asked += " " + Lower(words[i]);
    }
    const char* usage = "";
    bool found = false;
    for (const Command& command : kCommands) {
        usage = *command.help != '\0' ? command.help : usage;
        if (asked == command.keyword && (!found || *command.help != '\0')) {
            s.Print(usage);
            found = true;
        }
    }
    const std::vector<Topic> topics = TopicsNamed(asked == "topics" ? "" : asked);
    for (const Topic& topic : topics) {
        s.Print(topic.meaning);
    }
    if (found || !topics.empty()) {
        return "";
    }
    std::string names;
    for (const Topic& topic : TopicsNamed("")) {
        names += (names.empty() ? "" : ", ") + std::string(topic.name);
    }
    return "no help on " + Quoted(asked) + "; the topics are " + names;
}

std::string Simulator::Run(const Words& words) {
    const std::string keyword = Lower(words[0]);
    const char* usage = "";
    for (const SimulatorCommands::Command& command : SimulatorCommands::kCommands) {
        // A command listed with the one before it shares that one's line of help.
        usage = *command.help != '\0' ? command.help : usage;
        if (keyword != command.keyword) {
            continue;
        }
        const std::size_t arguments = words.size() - 1;
        if (arguments < command.minArguments || arguments > command.maxArguments) {
            return "wrong arguments; usage: " + std::string(usage);
        }
        return command.run(*this, words);
    }
    for (const char* inDialog : {"tab", "press", "check", "uncheck", "slider", "select"}) {
        if (keyword == inDialog) {
            return Quoted(words[0]) + " works in an open dialog, and none is open";
        }
    }
    return "not a command: " + Quoted(words[0]) + " (\"help\" lists them)";
}
