#include "Options.h"

#include <cstdio>
#include <cstring>

bool JapaneseLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value != nullptr && *value != '\0') {
            return std::strncmp(value, "ja", 2) == 0;
        }
    }
    return false;
}

namespace {

bool TakesValue(const std::string& option) {
    return option == "--lang" || option == "--screen" || option == "--registry" || option == "--tv";
}

} // namespace

std::optional<Options> ParseOptions(int argc, char** argv, bool japaneseByDefault,
                                    std::string& error) {
    Options options;
    options.japanese = japaneseByDefault;
    bool registryGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (TakesValue(option) && !hasValue) {
            error = option + " needs a value";
            return std::nullopt;
        }
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--lang") {
            const std::string language = argv[++i];
            if (language != "en" && language != "ja") {
                error = "--lang takes en or ja";
                return std::nullopt;
            }
            options.japanese = language == "ja";
        } else if (option == "--screen") {
            int width = 0;
            int height = 0;
            char rest = 0;
            if (std::sscanf(argv[++i], "%dx%d%c", &width, &height, &rest) != 2 || width < 1 ||
                height < 1 || width > 16384 || height > 16384) {
                error = "--screen takes WIDTHxHEIGHT, for example 1024x768";
                return std::nullopt;
            }
            options.screenWidth = width;
            options.screenHeight = height;
        } else if (option == "--no-converter") {
            options.converter = false;
        } else if (option == "--wire") {
            options.wire = true;
        } else if (option == "--registry") {
            options.registryPath = argv[++i];
            registryGiven = true;
        } else if (option == "--tv") {
            options.tvPicture = argv[++i];
        } else if (option == "--fresh") {
            options.fresh = true;
        } else if (option == "--bare-desktop") {
            options.bareDesktop = true;
        } else if (option.size() > 1 && option[0] == '-') {
            error = "unknown option " + option;
            return std::nullopt;
        } else if (options.script.empty()) {
            options.script = option;
        } else {
            error = "only one script at a time";
            return std::nullopt;
        }
    }
    if (registryGiven && options.fresh) {
        error = "--registry and --fresh exclude each other";
        return std::nullopt;
    }
    return options;
}
