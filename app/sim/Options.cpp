#include "Options.h"

#include "FileReplacement.h"

#include <cstring>
#include <vector>

bool JapaneseLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value != nullptr && *value != '\0') {
            return std::strncmp(value, "ja", 2) == 0;
        }
    }
    return false;
}

namespace {

// The largest screen people use today, an 8K one, either way up: a picture of it is 130 MB.
constexpr long kMostScreenPixels = 7680L * 4320L;
constexpr long kLongestScreenSide = 7680;

// "WIDTHxHEIGHT" in decimal digits only, each side at least 1.
bool ParseScreenSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    const auto side = [](const std::string& digits, int& value) {
        if (digits.empty() || digits.size() > 5 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        value = std::stoi(digits);
        return value >= 1 && value <= kLongestScreenSide;
    };
    return x != std::string::npos && side(text.substr(0, x), width) &&
           side(text.substr(x + 1), height) &&
           static_cast<long>(width) * height <= kMostScreenPixels;
}

bool TakesValue(const std::string& option) {
    return option == "--lang" || option == "--screen" || option == "--registry" ||
           option == "--tv" || option == "--clock";
}

} // namespace

std::optional<Options> ParseOptions(int argc, char** argv, bool japaneseByDefault,
                                    std::string& error) {
    Options options;
    options.japanese = japaneseByDefault;
    bool registryGiven = false;
    // "--name=value" is read as "--name value", as every tool takes it.
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=');
        if (arg.rfind("--", 0) == 0 && equals != std::string::npos &&
            TakesValue(arg.substr(0, equals))) {
            args.push_back(arg.substr(0, equals));
            args.push_back(arg.substr(equals + 1));
        } else {
            args.push_back(arg);
        }
    }
    const auto next = [&](std::size_t& i) { return args[++i]; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (TakesValue(option) && !hasValue) {
            error = option + " needs a value";
            return std::nullopt;
        }
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--lang") {
            const std::string language = next(i);
            if (language != "en" && language != "ja") {
                error = "--lang takes en or ja";
                return std::nullopt;
            }
            options.japanese = language == "ja";
        } else if (option == "--screen") {
            int width = 0;
            int height = 0;
            if (!ParseScreenSize(next(i), width, height)) {
                error = "--screen takes WIDTHxHEIGHT, for example 1024x768, up to 7680 pixels a "
                        "side and 7680x4320 in all";
                return std::nullopt;
            }
            options.screenWidth = width;
            options.screenHeight = height;
        } else if (option == "--no-converter") {
            options.converter = false;
        } else if (option == "--wire") {
            options.wire = true;
        } else if (option == "--registry" || option == "--tv") {
            const std::string name = next(i);
            if (const std::string unusable = UnusableFileName(name); !unusable.empty()) {
                error = option + ": " + unusable;
                return std::nullopt;
            }
            (option == "--tv" ? options.tvPicture : options.registryPath) = name;
            registryGiven = registryGiven || option == "--registry";
        } else if (option == "--fresh") {
            options.fresh = true;
        } else if (option == "--bare-desktop") {
            options.bareDesktop = true;
        } else if (option == "--clock") {
            const std::string clock = next(i);
            if (clock != "wall" && clock != "virtual") {
                error = "--clock takes wall or virtual";
                return std::nullopt;
            }
            options.wallClock = clock == "wall";
        } else if (option == "--keep-going") {
            options.keepGoing = true;
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
