#include "Simulator.h"

#include "DialogCommands.h"
#include "Interrupts.h"
#include "PictureCommands.h"
#include "RegistryFile.h"

#include "Text.h"
#include "model/MrgDoc.h"
#include "platform/sim/user32/user32_state.h"
#include "res/resource.h"
#include "shell/MainFrame.h"
#include "shell/MrgApp.h"
#include "view/MrgView.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

Simulator::Simulator(sim::World& world, CMrgApp& app, LineSource& input, std::FILE* output)
    : m_world(world), m_app(app), m_input(input), m_output(output), m_errors(output) {
    m_input.SetCompleter([this](const std::string& typed) { return Completions(typed); });
}

std::vector<std::string> Simulator::Completions(const std::string& typed) const {
    const std::vector<std::string> all = m_openMenu != nullptr ? MenuCompletions(m_openMenu)
                                         : m_openDialog != nullptr
                                             ? DialogCommands::Completions(m_openDialog)
                                             : PromptCompletions();
    std::vector<std::string> fitting;
    for (const std::string& line : all) {
        if (Lower(line).rfind(Lower(typed), 0) == 0 &&
            std::find(fitting.begin(), fitting.end(), line) == fitting.end()) {
            fitting.push_back(line);
        }
    }
    return fitting;
}

std::vector<std::string> Simulator::MenuCompletions(HMENU menu) const {
    std::vector<std::string> lines{"dismiss", "help"};
    std::vector<HMENU> pending{menu};
    for (std::size_t next = 0; next < pending.size(); ++next) {
        for (const sim::MenuItem& entry : sim::User32().menus.at(pending[next]).items) {
            if (entry.submenu != nullptr) {
                pending.push_back(entry.submenu);
            } else if (!entry.separator && (entry.state & (MF_GRAYED | MF_DISABLED)) == 0) {
                lines.push_back("choose " + PlainText(entry.text));
            }
        }
    }
    return lines;
}

void Simulator::Print(const std::string& line) {
    m_input.PrintAboveLine(m_output, line);
    std::fflush(m_output);
}

void Simulator::PrintTransfer(const sim::Transfer& transfer, void* simulator) {
    static_cast<Simulator*>(simulator)->Print("wire: " + sim::FormatTransfer(transfer));
}

void Simulator::FollowWallClock() {
    m_wallClock = std::chrono::steady_clock::now();
    m_input.WhileWaiting([this] { CatchUpWithWallClock(); });
}

// The real time since the clocks last agreed passes on the virtual one, timers firing; what
// it changed is kept as a command's changes are.
void Simulator::CatchUpWithWallClock() {
    if (!m_wallClock) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - *m_wallClock);
    if (elapsed.count() <= 0) {
        return;
    }
    *m_wallClock += elapsed;
    m_world.RunFor(static_cast<DWORD>(elapsed.count()));
    PictureCommands::KeepTvFile(*this);
}

void Simulator::Fail(const std::string& error) {
    const std::string where = m_input.Interactive() ? "" : m_input.Where() + ": ";
    m_input.PrintAboveLine(m_errors, where + "error: " + error);
    std::fflush(m_errors);
    m_failed = true;
    if (!m_keepGoing && !m_input.Interactive()) {
        m_endOfInput = true;
    }
}

void Simulator::Watch(sim::Converter& converter) {
    converter.SetObserver(m_wire ? PrintTransfer : nullptr, this);
}

void Simulator::ConverterPlugged(sim::Converter& converter) {
    Watch(converter);
    if (m_pendingFault) {
        converter.FailNthTransfer(m_pendingFault->nth, sim::Fault::Error(m_pendingFault->error));
        m_pendingFault.reset();
    }
}

// A signal to end counts as the end of the input, before a line and while waiting for one.
std::optional<std::string> Simulator::NextCommand(const char* prompt) {
    // Whatever the last command did has happened by now, and so has the time it took.
    CatchUpWithWallClock();
    PictureCommands::KeepTvFile(*this);
    std::string error;
    if (m_registryFile != nullptr && !m_registryFile->KeepChanges(error)) {
        std::fprintf(stderr, "corvane-sim: %s\n", error.c_str());
    }
    if (m_endOfInput || InterruptRequested()) {
        m_endOfInput = true;
        return std::nullopt;
    }
    std::optional<std::string> line = m_input.Next(prompt);
    if (line && m_input.WasTooLong()) {
        Fail("a line longer than " + std::to_string(LineSource::kLongestLine) +
             " bytes is no command; it was skipped");
    }
    m_endOfInput = !line || InterruptRequested();
    return m_endOfInput ? std::nullopt : std::optional<std::string>(WithoutComment(*line));
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
    m_openMenu = menu;
    const struct MenuClosed {
        HMENU& open;
        ~MenuClosed() { open = nullptr; }
    } closed{m_openMenu};
    while (const std::optional<std::string> line = NextCommand("menu> ")) {
        const Words words = Split(*line);
        if (words.empty()) {
            continue;
        }
        const std::string keyword = Lower(words[0]);
        if (keyword == "dismiss" && words.size() == 1) {
            return 0;
        }
        // Keys go to the menu's own loop, as on Windows: arrows, Enter, Esc, a letter.
        if (keyword == "key" && words.size() >= 2) {
            if (const std::string error = Run(words); !error.empty()) {
                Fail(error);
                continue;
            }
            return sim::kMenuKeysPressed;
        }
        if (keyword == "choose" && words.size() >= 2) {
            std::string item = words[1];
            for (std::size_t i = 2; i < words.size(); ++i) {
                item += " " + words[i];
            }
            UINT id = 0;
            const std::string error = Choose(menu, item, id);
            if (error.empty()) {
                return id;
            }
            Fail(error);
            continue;
        }
        if (keyword == "help" && words.size() == 1) {
            Run(words);
            continue;
        }
        Fail("a menu is open: choose ITEM or dismiss");
    }
    return 0;
}

// Finds the item by its id or its text among those the user can reach.
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
        std::string shown;
        for (const char c : entry->text) {
            shown += c == '&' ? "" : std::string(1, c);
        }
        listed += (listed.empty() ? "\"" : ", \"") + shown + "\"";
    }
    return listed;
}

} // namespace

// An item by its id, its text or the start of its text when only one item begins so, in the
// menu or in any submenu open to it.
std::string Simulator::Choose(HMENU menu, const std::string& item, UINT& id) const {
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
    const auto take = [&](const sim::MenuItem& entry) {
        if (entry.state & (MF_GRAYED | MF_DISABLED)) {
            return Quoted(item) + " is not available now";
        }
        id = entry.id;
        return std::string();
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

void Simulator::DialogOpened(HWND dialog) {
    char caption[256] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    Print(std::string("dialog: ") + caption);
}

void Simulator::DialogClosed() {
    Print("dialog: closed");
}

// The hidden main window shows itself only as the full-screen overlay.
void Simulator::WindowVisibilityChanged(HWND window, bool visible) {
    if (m_app.m_pMainWnd != nullptr && window == m_app.m_pMainWnd->m_hWnd) {
        Print(visible ? "overlay: shown" : "overlay: hidden");
    }
}

void Simulator::WindowTextChanged(HWND window, const std::string& text) {
    const auto* frame = static_cast<CMainFrame*>(m_app.m_pMainWnd);
    const auto* view = frame ? static_cast<CMrgView*>(frame->GetActiveView()) : nullptr;
    if (view != nullptr && window == view->m_wndIndicator.m_hWnd) {
        Print("indicator: " + text);
    }
}

void Simulator::CursorMovedByProgram(POINT point) {
    Print("cursor: " + std::to_string(point.x) + " " + std::to_string(point.y));
}

// One command typed while a dialog is open; "ok" clicks its OK button, "cancel" presses Esc
// and "close" clicks its close box, as a user would. The end of the input cancels it.
// At the end of the input the user leaves as a person would, in steps that end: the dialog
// brought forward from the taskbar (another window may have the keyboard) and Esc; then its
// close box; then the user walks away, which cancels it.
bool Simulator::LeaveDialog(HWND dialog) {
    if (m_leaving.dialog != dialog) {
        m_leaving = {dialog, 0};
    }
    switch (m_leaving.steps++) {
    case 0:
        m_world.input.ClickTaskbarButton(dialog);
        m_world.input.TypeKey(VK_ESCAPE);
        return true;
    case 1:
        m_world.input.ClickTaskbarButton(dialog);
        m_world.input.ClickCloseBox(dialog);
        return true;
    default:
        return false;
    }
}

bool Simulator::ActInDialog(HWND dialog) {
    m_openDialog = dialog;
    const std::optional<std::string> line = NextCommand("dialog> ");
    m_openDialog = nullptr;
    if (!line) {
        return LeaveDialog(dialog);
    }
    const Words words = Split(*line);
    if (words.empty()) {
        return true;
    }
    const std::string keyword = Lower(words[0]);
    if (keyword == "ok") {
        m_world.input.ClickWindow(GetDlgItem(dialog, IDOK));
    } else if (keyword == "cancel") {
        m_world.input.TypeKey(VK_ESCAPE);
    } else if (keyword == "close") {
        m_world.input.ClickCloseBox(dialog);
    } else if (keyword == "logoff" || keyword == "exit") {
        Fail("close the dialog first");
    } else if (const std::optional<std::string> result =
                   DialogCommands::Run(*this, dialog, words)) {
        if (!result->empty()) {
            Fail(*result);
        }
    } else if (const std::string error = Run(words); !error.empty()) {
        Fail(error);
    }
    return true;
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
    if (words.empty()) {
        return true;
    }
    if (const std::string error = Run(words); !error.empty()) {
        Fail(error);
    }
    return true;
}

sim::Converter* Simulator::LastAttached() const {
    const std::vector<sim::Converter*> attached = m_world.AttachedConverters();
    return attached.empty() ? nullptr : attached.back();
}
