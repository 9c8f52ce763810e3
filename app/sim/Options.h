// corvane-sim's command line.
#pragma once

#include <optional>
#include <string>

struct Options {
    bool japanese = false;
    int screenWidth = 1024;
    int screenHeight = 768;
    bool converter = true;
    bool wire = false;
    bool fresh = false;
    bool bareDesktop = false; // no other programs' windows
    bool keepGoing = false;   // a script goes on after a failing command
    // Whether virtual time follows the wall clock; unset: at a terminal it does, for a script
    // or a pipe it does not (deterministic, no real waiting).
    std::optional<bool> wallClock;
    std::string registryPath; // empty: the default under the user's configuration folder
    std::string tvPicture;    // a PNG file kept up to date with what the TV shows
    std::string script;       // empty or "-": standard input
    bool help = false;
    bool version = false;
};

constexpr const char* kUsage =
    "usage: corvane-sim [--lang en|ja] [--screen WxH] [--no-converter] [--wire]\n"
    "                   [--bare-desktop] [--registry FILE | --fresh] [--tv FILE.png]\n"
    "                   [--clock wall|virtual] [--keep-going] [SCRIPT | -]\n"
    "       corvane-sim --help | --version\n";

// Whether the user's locale is Japanese: the first of LC_ALL, LC_MESSAGES and LANG that is set
// and not empty decides, as POSIX orders them.
bool JapaneseLocale(const char* lcAll, const char* lcMessages, const char* lang);

// The options, or the reason they cannot be used. languageDefault comes from the locale.
std::optional<Options> ParseOptions(int argc, char** argv, bool japaneseByDefault,
                                    std::string& error);
