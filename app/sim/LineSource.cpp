#include "LineSource.h"

#include <editline/readline.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <utility>

LineSource::LineSource(std::FILE* input, std::string name)
    : m_input(input), m_name(std::move(name)),
      m_interactive(isatty(fileno(input)) && isatty(fileno(stdout))) {
    // Line editing reads multibyte characters only in the user's character set: without it,
    // Japanese typed at the terminal never reaches the program.
    if (m_interactive) {
        std::setlocale(LC_CTYPE, "");
    }
}

LineSource::~LineSource() {
    if (m_input != stdin) {
        std::fclose(m_input);
    }
}

std::optional<std::string> LineSource::Next(const char* prompt) {
    m_tooLong = false;
    ++m_line;
    if (m_interactive) {
        char* line = readline(prompt);
        if (line == nullptr) {
            return std::nullopt;
        }
        std::string text(line);
        std::free(line);
        m_tooLong = text.size() > kLongestLine;
        if (m_tooLong) {
            return std::string();
        }
        if (!text.empty()) {
            add_history(text.c_str());
        }
        return text;
    }
    std::string text;
    std::size_t length = 0;
    int c = 0;
    while ((c = std::fgetc(m_input)) != EOF && c != '\n') {
        if (++length <= kLongestLine) {
            text += static_cast<char>(c);
        }
    }
    m_tooLong = length > kLongestLine;
    if (m_tooLong) {
        text.clear();
    }
    // A signal that broke the read off leaves the stream in error; the caller asks why.
    std::clearerr(m_input);
    if (c == EOF && text.empty()) {
        return std::nullopt;
    }
    if (!text.empty() && text.back() == '\r') {
        text.pop_back();
    }
    return text;
}
