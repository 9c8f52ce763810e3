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

namespace {

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// U+FF61 to U+FF9D as the full-width characters an input method types.
constexpr unsigned short kFullWidth[] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3};

bool TakesVoicedMark(unsigned kana) {
    return (kana >= 0x30AB && kana <= 0x30C2 && kana % 2 == 1) ||
           (kana >= 0x30C4 && kana <= 0x30C8 && kana % 2 == 0) ||
           (kana >= 0x30CF && kana <= 0x30DB && (kana - 0x30CF) % 3 == 0);
}

} // namespace

std::string FullWidthKana(const std::string& text) {
    std::string out;
    unsigned last = 0; // the full-width kana just written, which a voiced mark joins
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // Half-width katakana are EF BD A1 to EF BE 9F in UTF-8.
        if (byte == 0xEF && i + 2 < text.size()) {
            const unsigned code = 0xF000 | ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
                                  (static_cast<unsigned char>(text[i + 2]) & 0x3F);
            if (code >= 0xFF61 && code <= 0xFF9F) {
                i += 2;
                const bool voiced = code == 0xFF9E;
                const bool semiVoiced = code == 0xFF9F;
                const bool joins =
                    (voiced && (TakesVoicedMark(last) || last == 0x30A6)) ||
                    (semiVoiced && last >= 0x30CF && last <= 0x30DB && (last - 0x30CF) % 3 == 0);
                if (joins) {
                    out.resize(out.size() - 3);
                    const unsigned joined = last == 0x30A6 ? 0x30F4 : last + (voiced ? 1 : 2);
                    AppendUtf8(out, joined);
                    last = 0;
                } else {
                    last = voiced ? 0x309B : semiVoiced ? 0x309C : kFullWidth[code - 0xFF61];
                    AppendUtf8(out, last);
                }
                continue;
            }
        }
        out += text[i];
        last = 0;
    }
    return out;
}

std::string WithoutAmpersands(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        if (c != '&') {
            shown += c;
        }
    }
    return shown;
}

std::string PlainText(const std::string& raw) {
    std::string plain = WithoutAmpersands(FullWidthKana(raw));
    if (plain.size() >= 3 && plain.compare(plain.size() - 3, 3, "...") == 0) {
        plain.resize(plain.size() - 3);
    }
    return Lower(plain);
}

// Japanese items carry their access key as a suffix, "全画面(&F)", which the screen shows as
// "全画面(F)": the text without it, in either form.
std::string WithoutAccessKeySuffix(const std::string& text) {
    const std::size_t open = text.rfind('(');
    const std::size_t key =
        open == std::string::npos ? open : open + (text[open + 1] == '&' ? 2 : 1);
    if (open == std::string::npos || key + 1 >= text.size() || text[key + 1] != ')' ||
        std::isalnum(static_cast<unsigned char>(text[key])) == 0) {
        return PlainText(text);
    }
    return PlainText(text.substr(0, open) + text.substr(key + 2));
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
