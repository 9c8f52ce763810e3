#include "Simulator.h"

#include "KeyNames.h"
#include "model/MrgDoc.h"
#include "res/resource.h"
#include "shell/MainFrame.h"
#include "shell/MrgApp.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

const char kProfile[] = "Software\\Velmora\\Corvane";

// The registers the converter's model keeps: the picture controls, register 8 and the
// control block.
const BYTE kChipRegisters[] = {0x08, 0x26, 0x28, 0x2A, 0x2E, 0x60, 0x62, 0x64, 0x66, 0x68, 0x6A,
                               0x6C, 0x6E, 0x70, 0x72, 0x74, 0x76, 0x78, 0x7A, 0x7C, 0x7E};

const char* const kHelp[] = {
    "plug [alt] [pal]     attach a converter (the alternative model; one that starts in PAL)",
    "unplug               remove the converter attached last",
    "hold, release        another program takes or gives back the converter",
    "tray left|right      click the tray icon",
    "choose ITEM          answer an open menu: the item's text or its command id",
    "dismiss              close an open menu without choosing",
    "ok, cancel           answer an open dialog",
    "shortcut KEYS        press a global key combination, e.g. ctrl+alt+f",
    "wait MS              let time pass; timers fire",
    "suspend, resume      the system sleeps and wakes",
    "display W H          change the screen resolution",
    "logoff [cancel]      end the session, or have another program cancel it",
    "exit                 choose \"Exit Application\" from the right-button menu",
    "show tray|area|registry|registers",
    "wire on|off          print every transfer to the converter",
    "help                 this list",
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::vector<std::string> Split(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    std::string word;
    while (stream >> word) {
        words.push_back(word);
    }
    return words;
}

std::string TrimLineEnds(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

// An item as the user names it: no "&", no trailing "...", any case.
std::string PlainText(const std::string& text) {
    std::string plain;
    for (char c : text) {
        if (c != '&') {
            plain += c;
        }
    }
    if (plain.size() >= 3 && plain.compare(plain.size() - 3, 3, "...") == 0) {
        plain.resize(plain.size() - 3);
    }
    return Lower(plain);
}

bool ParseNumber(const std::string& text, long min, long max, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && errno == 0 && value >= min && value <= max;
}

void PrintTransfer(const sim::Transfer& transfer, void* context) {
    auto* simulator = static_cast<std::FILE*>(context);
    std::fprintf(simulator, "wire: %s\n", sim::FormatTransfer(transfer).c_str());
}

} // namespace

Simulator::Simulator(sim::World& world, CMrgApp& app, LineSource& input, std::FILE* output)
    : m_world(world), m_app(app), m_input(input), m_output(output) {}

void Simulator::Print(const std::string& line) {
    std::fprintf(m_output, "%s\n", line.c_str());
    std::fflush(m_output);
}

void Simulator::Watch(sim::Converter& converter) {
    converter.SetObserver(m_wire ? PrintTransfer : nullptr, m_output);
}

std::optional<std::string> Simulator::NextCommand(const char* prompt) {
    if (m_endOfInput) {
        return std::nullopt;
    }
    std::optional<std::string> line = m_input.Next(prompt);
    m_endOfInput = !line;
    return line;
}

void Simulator::TrayAdded(int iconResource, const std::string& tip) {
    Print("tray: added icon " + std::to_string(iconResource) + " \"" + tip + "\"");
}

void Simulator::TrayIconChanged(int iconResource) {
    Print("tray: icon " + std::to_string(iconResource));
}

void Simulator::TrayRemoved() {
    Print("tray: removed");
}

void Simulator::BalloonShown(const sim::Balloon& balloon) {
    const char* kind = balloon.infoFlags == NIIF_ERROR     ? "error"
                       : balloon.infoFlags == NIIF_WARNING ? "warning"
                                                           : "info";
    Print(std::string("balloon ") + kind + ": " + TrimLineEnds(balloon.text));
}

void Simulator::MessageBoxOpened(const sim::MessageBoxShown& box) {
    const UINT icon = box.type & 0xF0;
    const char* kind = icon == MB_ICONERROR ? "error" : icon == MB_ICONINFORMATION ? "info" : "";
    Print(std::string("msgbox") + (*kind ? " " : "") + kind + ": " + TrimLineEnds(box.text));
}

int Simulator::AnswerMessageBox(const sim::MessageBoxShown&) {
    return IDOK;
}

UINT Simulator::ChooseFromMenu(HMENU menu, HWND) {
    if (m_autoChoice != 0) {
        const UINT choice = m_autoChoice;
        m_autoChoice = 0;
        return choice;
    }
    for (const std::string& line : sim::DescribeMenu(menu)) {
        Print("menu: " + line);
    }
    while (const std::optional<std::string> line = NextCommand("menu> ")) {
        const Words words = Split(*line);
        if (words.empty() || words[0][0] == '#') {
            continue;
        }
        const std::string keyword = Lower(words[0]);
        if (keyword == "dismiss" && words.size() == 1) {
            return 0;
        }
        if (keyword == "choose" && words.size() >= 2) {
            const std::string item = line->substr(line->find(words[1]));
            UINT id = 0;
            const std::string error = Choose(menu, item, id);
            if (error.empty()) {
                return id;
            }
            Print("error: " + error);
            continue;
        }
        Print("error: a menu is open: choose ITEM or dismiss");
    }
    return 0;
}

// Finds the item by its id or its text among those the user can reach.
std::string Simulator::Choose(HMENU menu, const std::string& item, UINT& id) const {
    const std::string wanted = PlainText(item);
    long number = 0;
    const bool byId = ParseNumber(item, 1, 0xFFFF, number);
    std::vector<HMENU> pending{menu};
    while (!pending.empty()) {
        const HMENU current = pending.back();
        pending.pop_back();
        for (const sim::MenuItem& entry : m_world.menus.at(current).items) {
            const bool enabled = (entry.state & (MF_GRAYED | MF_DISABLED)) == 0;
            if (entry.submenu != nullptr) {
                if (enabled) {
                    pending.push_back(entry.submenu);
                }
                continue;
            }
            if (entry.separator || !(byId ? entry.id == number : PlainText(entry.text) == wanted)) {
                continue;
            }
            if (!enabled) {
                return "\"" + item + "\" is not available now";
            }
            id = entry.id;
            return "";
        }
    }
    return "the menu has no item \"" + item + "\"";
}

void Simulator::RunDialog(HWND dialog) {
    char caption[256] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    Print(std::string("dialog: ") + caption);
    const auto open = [&] {
        const sim::Window* window = m_world.windows.Find(dialog);
        return window != nullptr && !window->dialogEnded;
    };
    while (open()) {
        const std::optional<std::string> line = NextCommand("dialog> ");
        const Words words = line ? Split(*line) : Words{"cancel"};
        if (words.empty() || words[0][0] == '#') {
            continue;
        }
        const std::string keyword = Lower(words[0]);
        if (keyword == "ok" || keyword == "cancel") {
            SendMessageA(dialog, WM_COMMAND, keyword == "ok" ? IDOK : IDCANCEL, 0);
        } else if (keyword == "logoff") {
            Print("error: close the dialog first");
        } else if (const std::string error = Run(words); !error.empty()) {
            Print("error: " + error);
        }
    }
    Print("dialog: closed");
}

bool Simulator::Idle() {
    const std::optional<std::string> line = NextCommand("corvane> ");
    if (!line) {
        // The end of the input is the end of the program, through its own Exit.
        if (m_app.m_pMainWnd == nullptr) {
            return false;
        }
        m_app.m_pMainWnd->PostMessage(WM_COMMAND, ID_APP_EXIT, 0);
        return true;
    }
    const Words words = Split(*line);
    if (words.empty() || words[0][0] == '#') {
        return true;
    }
    if (const std::string error = Run(words); !error.empty()) {
        Print("error: " + error);
    }
    return true;
}

sim::Converter* Simulator::LastAttached() const {
    const std::vector<sim::Converter*> attached = m_world.AttachedConverters();
    return attached.empty() ? nullptr : attached.back();
}

void Simulator::Help() {
    for (const char* line : kHelp) {
        Print(line);
    }
}

std::string Simulator::RunPlug(const Words& words) {
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
    sim::Converter& converter = m_world.Plug(config);
    Watch(converter);
    return "";
}

std::string Simulator::RunShow(const Words& words) {
    const std::string what = words.size() == 2 ? Lower(words[1]) : "";
    if (what == "tray") {
        const sim::TrayIcon& tray = m_world.tray;
        Print(tray.present
                  ? "tray: icon " + std::to_string(tray.iconResource) + " \"" + tray.tip + "\""
                  : "tray: none");
    } else if (what == "area") {
        const auto* frame = static_cast<CMainFrame*>(m_app.m_pMainWnd);
        const auto* doc = frame ? static_cast<CMrgDoc*>(frame->GetActiveDocument()) : nullptr;
        if (doc == nullptr) {
            return "the program has no document";
        }
        const RECT& area = doc->m_rcDisplayArea;
        Print(IsRectEmpty(&area)
                  ? "area: empty"
                  : "area: " + std::to_string(area.left) + " " + std::to_string(area.top) + " " +
                        std::to_string(area.right) + " " + std::to_string(area.bottom));
    } else if (what == "registry") {
        for (const auto& [name, value] : m_world.registry.ListValues(kProfile)) {
            DWORD number = 0;
            std::memcpy(&number, value->data.data(), std::min(value->data.size(), sizeof number));
            Print("registry: " + name + " = " + std::to_string(number));
        }
    } else if (what == "registers") {
        sim::Converter* converter = LastAttached();
        if (converter == nullptr) {
            return "no converter is attached";
        }
        for (const BYTE reg : kChipRegisters) {
            char line[40];
            std::snprintf(line, sizeof line, "register 0x%02X = 0x%04X", reg,
                          converter->Register(reg, m_world.Now()));
            Print(line);
        }
    } else {
        return "show takes tray, area, registry or registers";
    }
    return "";
}

std::string Simulator::Run(const Words& words) {
    const std::string keyword = Lower(words[0]);
    const std::string argument = words.size() > 1 ? Lower(words[1]) : "";
    const std::size_t count = words.size();
    long number = 0;
    long second = 0;
    if (keyword == "help" && count == 1) {
        Help();
    } else if (keyword == "plug") {
        return RunPlug(words);
    } else if ((keyword == "unplug" || keyword == "hold" || keyword == "release") && count == 1) {
        sim::Converter* converter = LastAttached();
        if (converter == nullptr) {
            return "no converter is attached";
        }
        if (keyword == "unplug") {
            m_world.Unplug(*converter);
        } else {
            converter->HoldElsewhere(keyword == "hold");
        }
    } else if (keyword == "tray" && count == 2 && (argument == "left" || argument == "right")) {
        if (!m_world.tray.present) {
            return "there is no tray icon to click";
        }
        m_world.ClickTray(argument == "left" ? WM_LBUTTONUP : WM_RBUTTONUP);
    } else if (keyword == "shortcut" && count == 2) {
        const std::optional<KeyCombination> keys = ParseKeys(words[1]);
        if (!keys) {
            return "not a key combination: \"" + words[1] + "\"";
        }
        if (!m_world.PressShortcut(keys->vk, keys->flags)) {
            Print("shortcut: not a shortcut of the program");
        }
    } else if (keyword == "wait" && count == 2 && ParseNumber(words[1], 0, 86400000, number)) {
        m_world.RunFor(static_cast<DWORD>(number));
    } else if (keyword == "suspend" && count == 1) {
        m_world.Suspend();
    } else if (keyword == "resume" && count == 1) {
        m_world.Resume();
    } else if (keyword == "display" && count == 3 && ParseNumber(words[1], 1, 16384, number) &&
               ParseNumber(words[2], 1, 16384, second)) {
        m_world.ChangeDisplay(static_cast<int>(number), static_cast<int>(second));
    } else if (keyword == "logoff" && (count == 1 || (count == 2 && argument == "cancel"))) {
        m_world.EndSession(count == 2);
        if (count == 1) {
            throw SessionOver{};
        }
    } else if (keyword == "exit" && count == 1) {
        if (!m_world.tray.present) {
            return "there is no tray icon to exit from";
        }
        m_autoChoice = ID_APP_EXIT;
        m_world.ClickTray(WM_RBUTTONUP);
    } else if (keyword == "show" && count == 2) {
        return RunShow(words);
    } else if (keyword == "wire" && count == 2 && (argument == "on" || argument == "off")) {
        m_wire = argument == "on";
        for (sim::Converter* converter : m_world.AttachedConverters()) {
            Watch(*converter);
        }
    } else if (keyword == "choose" || keyword == "dismiss" || keyword == "ok" ||
               keyword == "cancel") {
        return "nothing is open to answer";
    } else {
        return "not a command: \"" + words[0] + (count > 1 ? " ..." : "") +
               "\" (\"help\" lists them)";
    }
    return "";
}
