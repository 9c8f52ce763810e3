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
    std::string registryPath; // empty: the default under the user's configuration folder
    std::string script;       // empty: standard input
};

constexpr const char* kUsage =
    "usage: corvane-sim [--lang en|ja] [--screen WxH] [--no-converter] [--wire]\n"
    "                   [--bare-desktop] [--registry FILE | --fresh] [SCRIPT]\n";

// The options, or the reason they cannot be used. languageDefault comes from LANG.
std::optional<Options> ParseOptions(int argc, char** argv, bool japaneseByDefault,
                                    std::string& error);
