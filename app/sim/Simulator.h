// corvane-sim's user: reads commands, acts them out on the simulated machine, answers the
// program's menus and dialogs, and prints what a person would see.
#pragma once

#include "Desktop.h"
#include "LineSource.h"
#include "PictureCommands.h"
#include "Session.h"
#include "platform/sim/control/world.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

class CMrgApp;
class RegistryFile;

class Simulator : public sim::InteractionDriver, public sim::Observer, private Session {
  public:
    Simulator(sim::World& world, CMrgApp& app, LineSource& input, std::FILE* output);

    void SetWire(bool on) override;
    // The virtual clock keeps up with the wall clock: while a person at the terminal types
    // nothing, and between the commands of a script.
    void FollowWallClock();
    // A PNG file rewritten whenever the TV's picture changes; empty for none.
    void KeepTvPicture(const std::string& path) {
        if (!path.empty()) {
            m_tvFile.emplace(path);
        }
    }
    // A script stops at its first failing command unless it is to go on; a person at a
    // terminal always goes on.
    void KeepGoing(bool on) { m_keepGoing = on; }
    // Where errors go: standard error for corvane-sim, the output itself unless told.
    void SetErrorOutput(std::FILE* errors) { m_errors = errors; }
    bool CommandFailed() const { return m_failed; }
    // The file the registry is kept in as the program writes it; nullptr keeps none.
    void KeepRegistryIn(RegistryFile* file) { m_registryFile = file; }
    // Prints the converter's traffic while the wire trace is on.
    void Watch(sim::Converter& converter);

    UINT ChooseFromMenu(HMENU menu, HWND owner) override;
    int AnswerMessageBox(const sim::MessageBoxShown& box) override;
    bool ActInDialog(HWND dialog) override;
    bool Idle() override;

    void TrayAdded(int iconResource, const std::string& tip) override;
    void TrayIconChanged(int iconResource) override;
    void TrayRemoved() override;
    void BalloonShown(const sim::Balloon& balloon) override;
    void MessageBoxOpened(const sim::MessageBoxShown& box) override;
    void DialogOpened(HWND dialog) override;
    void DialogClosed() override;
    void WindowVisibilityChanged(HWND window, bool visible) override;
    void WindowTextChanged(HWND window, const std::string& text) override;
    void CursorMovedByProgram(POINT point) override;
    void ConverterPlugged(sim::Converter& converter) override;

    Desktop& GetDesktop() { return m_desktop; }

  private:
    sim::World& World() override { return m_world; }
    Desktop& Windows() override { return m_desktop; }
    void Print(const std::string& line) override;
    bool DrawsPictures() const override;
    sim::Converter* LastAttached() const override;
    HMENU OpenMenu() const override { return m_openMenu; }
    HWND OpenDialog() const override { return m_openDialog; }
    void CloseMenu(UINT answer) override { m_menuAnswer = answer; }
    void AnswerNextMenu(UINT id) override { m_autoChoice = id; }
    void FailOnNextConverter(unsigned nth, DWORD error) override {
        m_pendingFault = PendingFault{nth, error};
    }
    const CMrgDoc* Document() const override;
    const CMrgView* View() const override;

    // Carries out one typed line where the user is; an error is reported.
    void Execute(Place place, const std::string& line);
    void KeepTvFile();
    static void PrintTransfer(const sim::Transfer& transfer, void* simulator);
    void CatchUpWithWallClock();
    // A command failed: said where the line is, and the script ends unless it goes on.
    void Fail(const std::string& error);
    std::optional<std::string> NextCommand(const char* prompt);
    bool LeaveDialog(HWND dialog);
    // What Tab offers: the lines that could follow what is typed, where the user is now.
    std::vector<std::string> Completions(const std::string& typed) const;

    sim::World& m_world;
    CMrgApp& m_app;
    LineSource& m_input;
    std::FILE* m_output;
    std::FILE* m_errors;
    bool m_keepGoing = false;
    bool m_failed = false;
    bool m_wire = false;
    std::optional<std::chrono::steady_clock::time_point> m_wallClock;
    bool m_endOfInput = false;
    UINT m_autoChoice = 0; // the exit command's answer to the menu it opens
    std::optional<UINT> m_menuAnswer;
    Desktop m_desktop;
    // A failure asked for while no converter was attached, for the next one plugged in.
    struct PendingFault {
        unsigned nth;
        DWORD error;
    };
    std::optional<PendingFault> m_pendingFault;
    std::optional<TvPictureFile> m_tvFile;
    RegistryFile* m_registryFile = nullptr;
    // Where the user is: a menu or a dialog open, or neither (the prompt).
    HMENU m_openMenu = nullptr;
    HWND m_openDialog = nullptr;
    // How far the user has got leaving a dialog at the end of the input.
    struct Leaving {
        HWND dialog = nullptr;
        int steps = 0;
    } m_leaving;
};
