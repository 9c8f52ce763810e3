#include "CommandTable.h"

#include "DialogCommands.h"
#include "MachineCommands.h"
#include "MenuCommands.h"
#include "PointerCommands.h"
#include "Session.h"
#include "ShowCommands.h"
#include "Text.h"
#include "Topics.h"

#include <algorithm>

namespace {

std::string Help(Session& s, const Words& words);

constexpr unsigned kAnywhere = kAtPrompt | kInMenu | kInDialog;
// The machine goes on around an open dialog, as it does around any window.
constexpr unsigned kOutsideMenus = kAtPrompt | kInDialog;

// In the order "help" lists them. A keyword may have several rows, one for each form it
// takes; the first row's counts of words hold for all.
const Command kCommands[] = {
    {"plug", kOutsideMenus, 0, 2, MachineCommands::Plug, "plug [alt] [pal]",
     "attach a converter (the alternative model; one that starts in PAL)"},
    {"unplug", kOutsideMenus, 0, 0, MachineCommands::OnConverter, "unplug",
     "remove the converter attached last"},
    {"power-cycle", kOutsideMenus, 0, 0, MachineCommands::OnConverter, "power-cycle",
     "the converter loses its power and gets it back"},
    {"fail", kOutsideMenus, 2, 2, MachineCommands::Fail, "fail N ERROR",
     "the nth transfer from now fails with a system error, e.g. 5 31"},
    {"claim", kOutsideMenus, 0, 0, MachineCommands::OnConverter, "claim",
     "another program opens the converter for itself"},
    {"release", kOutsideMenus, 0, 0, MachineCommands::OnConverter, "release",
     "that program lets the converter go"},
    {"tray", kOutsideMenus, 1, 1, MachineCommands::Tray, "tray left|right", "click the tray icon"},
    {"shortcut", kOutsideMenus, 1, 1, MachineCommands::Shortcut, "shortcut KEYS",
     "press a global key combination, e.g. ctrl+alt+f"},
    {"move", kOutsideMenus, 2, 2, PointerCommands::Move, "move X Y", "move the mouse pointer"},
    {"click", kOutsideMenus, 0, 2, PointerCommands::Click, "click [X Y]",
     "click the left mouse button (after moving there)"},
    {"key", kAnywhere, 1, 2, PointerCommands::Key, "key NAME [shift]",
     "press a key: esc, enter, left, up, right, down, a letter; a menu takes it"},
    {"window", kOutsideMenus, 2, 40, PointerCommands::Window,
     "window L T R B [client L T R B] [title TEXT] [color RRGGBB] [hidden] [disabled] "
     "[transparent] [child-of N]",
     "add another program's window to the desktop"},
    {"window", kOutsideMenus, 2, 40, PointerCommands::Window, "window N color RRGGBB",
     "paint window N's client area in another colour"},
    {"window", kOutsideMenus, 2, 40, PointerCommands::Window, "window N move X Y",
     "window N's program moves it, its top-left corner to X Y"},
    {"window", kOutsideMenus, 2, 40, PointerCommands::Window, "window N size W H",
     "window N's program makes it W wide and H high"},
    {"window", kOutsideMenus, 2, 40, PointerCommands::Window, "window N hide|show|close",
     "window N's program hides it, shows it again or closes it"},
    {"focus", kOutsideMenus, 1, 1, PointerCommands::Focus, "focus N",
     "window N's program gives it the keyboard focus, in front"},
    {"caret", kOutsideMenus, 3, 3, PointerCommands::Caret, "caret N X Y",
     "window N shows its text caret at X Y of its client area"},
    {"type", kOutsideMenus, 1, 99, PointerCommands::Type, "type TEXT",
     "typed into the focused window: its caret moves on"},
    {"wait", kOutsideMenus, 1, 1, MachineCommands::Wait, "wait MS", "let time pass; timers fire"},
    {"suspend", kOutsideMenus, 0, 0, MachineCommands::Power, "suspend", "the system sleeps"},
    {"resume", kOutsideMenus, 0, 0, MachineCommands::Power, "resume", "the system wakes"},
    {"display", kOutsideMenus, 2, 2, MachineCommands::Display, "display W H",
     "change the screen resolution"},
    {"logoff", kAtPrompt, 0, 1, MachineCommands::Logoff, "logoff [cancel]",
     "end the session, or have another program cancel it"},
    {"exit", kAtPrompt, 0, 0, MachineCommands::Exit, "exit",
     "choose \"Exit Application\" from the right-button menu"},
    {"show", kAnywhere, 1, 2, ShowCommands::Show,
     "show tray|area|registry|registers|windows|selection|cursor|dialog",
     "what the program, the registry, the converter and the desktop hold"},
    {"show", kAnywhere, 1, 2, ShowCommands::Show, "show tv [FILE.png]",
     "what the TV shows: its source and place, a picture or a file"},
    {"show", kAnywhere, 1, 2, ShowCommands::Show, "show screen FILE.png",
     "the screen as a picture file"},
    {"wire", kOutsideMenus, 1, 1, MachineCommands::Wire, "wire on|off",
     "print every transfer to the converter"},
    {"help", kAnywhere, 0, 9, Help, "help [COMMAND|TOPIC]",
     "this list, one command's, or what a feature does (\"help topics\")"},

    {"choose", kInMenu, 1, 99, MenuCommands::Choose, "choose ITEM",
     "choose an item by its text, the start of it, or its command id"},
    {"dismiss", kInMenu, 0, 0, MenuCommands::Dismiss, "dismiss", "close the menu without choosing"},

    {"ok", kInDialog, 0, 0, DialogCommands::Ok, "ok", "click the OK button"},
    {"cancel", kInDialog, 0, 0, DialogCommands::Cancel, "cancel", "press Esc"},
    {"close", kInDialog, 0, 0, DialogCommands::Close, "close", "click the close box"},
    {"tab", kInDialog, 1, 99, DialogCommands::Tab, "tab NAME",
     "bring a page of the sheet to the front"},
    {"press", kInDialog, 1, 99, DialogCommands::Press, "press ID",
     "click a button, check box or radio button"},
    {"check", kInDialog, 1, 99, DialogCommands::Press, "check ID",
     "click a check box or radio button unless it is checked"},
    {"uncheck", kInDialog, 1, 99, DialogCommands::Press, "uncheck ID",
     "click a check box unless it is unchecked"},
    {"hold", kInDialog, 2, 99, DialogCommands::Hold, "hold ID MS",
     "hold the mouse button down on a button for MS milliseconds"},
    {"slider", kInDialog, 2, 99, DialogCommands::Slider, "slider ID POS",
     "drag a slider's thumb to a position"},
    {"select", kInDialog, 2, 99, DialogCommands::Select, "select ID ITEM",
     "open a list and click its item (from 0, or the item's text)"},
};

constexpr std::size_t kUsageColumn = 21;
constexpr std::size_t kWidth = 80;

std::string HelpLine(const Command& command) {
    std::string usage = command.usage;
    // A usage too long for a line goes on under itself, indented.
    if (usage.size() > kWidth) {
        const std::size_t cut = usage.rfind(' ', kWidth);
        usage = usage.substr(0, cut) + "\n       " + usage.substr(cut + 1);
    }
    return usage.size() < kUsageColumn
               ? usage + std::string(kUsageColumn - usage.size(), ' ') + command.help
               : usage + "\n" + std::string(kUsageColumn, ' ') + command.help;
}

// The section of "help" a command is listed in: the one place it belongs to, if only one.
unsigned SectionOf(const Command& command) {
    return command.places == kInMenu || command.places == kInDialog ? command.places : kAtPrompt;
}

void ListCommands(Session& s) {
    const struct {
        unsigned section;
        const char* heading;
    } sections[] = {
        {kAtPrompt, "At the prompt (in a dialog too, but for logoff and exit):"},
        {kInMenu, "In an open menu (with key, show and help):"},
        {kInDialog, "In an open dialog, controls named by id or by their text (\"show dialog\" "
                    "lists them):"},
    };
    for (const auto& section : sections) {
        s.Print(section.heading);
        for (const Command& command : kCommands) {
            if (SectionOf(command) == section.section) {
                s.Print(HelpLine(command));
            }
        }
    }
}

std::string Help(Session& s, const Words& words) {
    if (words.size() == 1) {
        ListCommands(s);
        return "";
    }
    std::string asked = Lower(words[1]);
    for (std::size_t i = 2; i < words.size(); ++i) {
        asked += " " + Lower(words[i]);
    }
    bool found = false;
    for (const Command& command : kCommands) {
        if (asked == command.keyword) {
            s.Print(HelpLine(command));
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

// Why a command known elsewhere cannot be typed here.
std::string NotHere(const Command& command, Place place) {
    if (place == kInMenu) {
        return "a menu is open: choose ITEM or dismiss";
    }
    if (place == kInDialog) {
        return "close the dialog first";
    }
    return Quoted(command.keyword) + (command.places & kInMenu
                                          ? " answers an open menu, and none is open"
                                          : " works in an open dialog, and none is open");
}

} // namespace

std::string RunCommand(Session& session, Place place, const Words& words) {
    const std::string keyword = Lower(words[0]);
    const Command* known = nullptr;
    for (const Command& command : kCommands) {
        if (keyword != command.keyword) {
            continue;
        }
        if ((command.places & place) == 0) {
            known = known != nullptr ? known : &command;
            continue;
        }
        const std::size_t arguments = words.size() - 1;
        if (arguments < command.minArguments || arguments > command.maxArguments) {
            return "wrong arguments; usage: " + std::string(command.usage);
        }
        return command.run(session, words);
    }
    if (known != nullptr) {
        return NotHere(*known, place);
    }
    return "not a command: " + Quoted(words[0]) + " (\"help\" lists them)";
}

// Each keyword, and where a usage lists choices in lower case ("tray left|right"), each
// choice.
std::vector<std::string> CommandCompletions(Place place) {
    std::vector<std::string> lines;
    for (const Command& command : kCommands) {
        if ((command.places & place) == 0) {
            continue;
        }
        const std::string keyword = command.keyword;
        lines.push_back(keyword);
        const std::vector<std::string> usage = Split(command.usage);
        if (usage.size() < 2 || usage[1].find('|') == std::string::npos ||
            Lower(usage[1]) != usage[1]) {
            continue;
        }
        const std::string& form = usage[1];
        for (std::size_t start = 0; start <= form.size();) {
            const std::size_t bar = std::min(form.find('|', start), form.size());
            lines.push_back(keyword + " " + form.substr(start, bar - start));
            start = bar + 1;
        }
    }
    return lines;
}
