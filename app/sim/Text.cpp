#include "Text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> words;
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    for (std::size_t i = 0; i < line.size();) {
        if (space(line[i])) {
            ++i;
        } else if (line[i] == '"') {
            // A quoted word keeps its spaces, and may be empty; an unclosed one runs to the end.
            const std::size_t close = line.find('"', i + 1);
            words.push_back(
                line.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1));
            i = close == std::string::npos ? line.size() : close + 1;
        } else {
            std::size_t end = i;
            while (end < line.size() && !space(line[end])) {
                ++end;
            }
            words.push_back(line.substr(i, end - i));
            i = end;
        }
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

std::string WithoutComment(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
            const std::size_t end = line.find_last_not_of(" \t", i == 0 ? 0 : i - 1);
            return i == 0 || end == std::string::npos ? std::string() : line.substr(0, end + 1);
        }
    }
    return line;
}
