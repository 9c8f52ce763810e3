// The simulator's commands inside an open dialog or property sheet: tabs, buttons, check
// boxes, sliders and lists, named by their id or by their text, and a listing of them.
#pragma once

#include "platform/win32.h"

#include <optional>
#include <string>
#include <vector>

class Simulator;

struct DialogCommands {
    using Words = std::vector<std::string>;
    // Carries out a dialog command: the text of an error, empty when done, nothing when the
    // words are no dialog command.
    static std::optional<std::string> Run(Simulator& s, HWND dialog, const Words& words);
    // Prints the dialog's caption, its tabs and every control of the page shown.
    static void Show(Simulator& s, HWND dialog);
    static const char* const kHelp;
    // What can be typed in the dialog: its buttons, its tabs, and each control by its name.
    static std::vector<std::string> Completions(HWND dialog);
    // The texts of a tab control's tabs, in order.
    static std::vector<std::string> TabNames(HWND tabs);
};
