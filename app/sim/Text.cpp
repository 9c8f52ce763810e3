#include "Text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <sstream>

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

// Japanese items carry their access key as a suffix, "全画面(&F)": the text without it.
std::string WithoutAccessKeySuffix(const std::string& text) {
    const std::size_t open = text.rfind("(&");
    const std::size_t close = open == std::string::npos ? open : text.find(')', open);
    if (open == std::string::npos || close == std::string::npos || close != open + 3) {
        return PlainText(text);
    }
    return PlainText(text.substr(0, open) + text.substr(close + 1));
}

std::string Quoted(const std::string& input) {
    constexpr std::size_t kMost = 80;
    return "\"" + (input.size() > kMost ? input.substr(0, kMost) + "..." : input) + "\"";
}

bool ParseNumber(const std::string& text, long min, long max, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && errno == 0 && value >= min && value <= max;
}
