// corvane-sim's commands, all in one table: each command's keyword, where it can be typed,
// how many words it takes, what carries it out and its line of help. The parser, "help",
// "help COMMAND" and Tab completion all read the table.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class Session;

using Words = std::vector<std::string>;

// Where the user is when typing a command.
enum Place : unsigned {
    kAtPrompt = 1,
    kInMenu = 2,
    kInDialog = 4,
};

struct Command {
    const char* keyword;
    unsigned places; // the Places it can be typed at
    std::size_t minArguments;
    std::size_t maxArguments;
    // Carries it out: the text of an error, or empty.
    std::string (*run)(Session&, const Words&);
    const char* usage; // "tray left|right"
    const char* help;  // what it does, in a few words
};

// Carries out one typed command where the user is: the text of an error, or empty.
std::string RunCommand(Session& session, Place place, const Words& words);

// The keywords, and each choice a command's usage lists ("tray left", "tray right"), of the
// commands that can be typed where the user is.
std::vector<std::string> CommandCompletions(Place place);
