#include "Simulator.h"

#include "DialogCommands.h"
#include "Interrupts.h"
#include "MenuCommands.h"
#include "PictureCommands.h"
#include "RegistryFile.h"
#include "TerminalPicture.h"

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
    const Place place = m_openMenu != nullptr     ? kInMenu
                        : m_openDialog != nullptr ? kInDialog
                                                  : kAtPrompt;
    std::vector<std::string> all = CommandCompletions(place);
    const std::vector<std::string> here = place == kInMenu ? MenuCommands::Completions(m_openMenu)
                                          : place == kInDialog
                                              ? DialogCommands::Completions(m_openDialog)
                                              : std::vector<std::string>{};
    all.insert(all.end(), here.begin(), here.end());
    std::vector<std::string> fitting;
    for (const std::string& line : all) {
        if (Lower(FullWidthKana(line)).rfind(Lower(FullWidthKana(typed)), 0) == 0 &&
            std::find(fitting.begin(), fitting.end(), line) == fitting.end()) {
            fitting.push_back(line);
        }
    }
    return fitting;
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
    KeepTvFile();
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
    KeepTvFile();
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
    m_menuAnswer.reset();
    const struct MenuClosed {
        HMENU& open;
        ~MenuClosed() { open = nullptr; }
    } closed{m_openMenu};
    while (const std::optional<std::string> line = NextCommand("menu> ")) {
        Execute(kInMenu, *line);
        if (m_menuAnswer) {
            return *m_menuAnswer;
        }
    }
    return 0;
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
    const CMrgView* view = View();
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
    const struct DialogLeft {
        HWND& open;
        ~DialogLeft() { open = nullptr; }
    } left{m_openDialog};
    const std::optional<std::string> line = NextCommand("dialog> ");
    if (!line) {
        return LeaveDialog(dialog);
    }
    Execute(kInDialog, *line);
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
    Execute(kAtPrompt, *line);
    return true;
}

void Simulator::Execute(Place place, const std::string& line) {
    const Words words = Split(line);
    if (words.empty()) {
        return;
    }
    if (const std::string error = RunCommand(*this, place, words); !error.empty()) {
        Fail(error);
    }
}

sim::Converter* Simulator::LastAttached() const {
    const std::vector<sim::Converter*> attached = m_world.AttachedConverters();
    return attached.empty() ? nullptr : attached.back();
}

void Simulator::SetWire(bool on) {
    m_wire = on;
    for (sim::Converter* converter : m_world.AttachedConverters()) {
        Watch(*converter);
    }
}

bool Simulator::DrawsPictures() const {
    return IsColourTerminal(m_output);
}

const CMrgDoc* Simulator::Document() const {
    const auto* frame = static_cast<const CMainFrame*>(m_app.m_pMainWnd);
    return frame != nullptr ? static_cast<const CMrgDoc*>(frame->GetActiveDocument()) : nullptr;
}

const CMrgView* Simulator::View() const {
    const auto* frame = static_cast<const CMainFrame*>(m_app.m_pMainWnd);
    return frame != nullptr ? static_cast<const CMrgView*>(frame->GetActiveView()) : nullptr;
}

// The --tv file follows the TV; a file that can no longer be written is given up.
void Simulator::KeepTvFile() {
    if (!m_tvFile) {
        return;
    }
    if (const std::string error = m_tvFile->Keep(PictureCommands::TvFrame(*this)); !error.empty()) {
        Fail(error + "; the TV picture is no longer kept");
        m_tvFile.reset();
    }
}
