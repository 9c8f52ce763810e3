#include "LineSource.h"

#include "Interrupts.h"

#include <algorithm>

#include <editline/readline.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr int kHistoryKept = 1000;

// $XDG_STATE_HOME/corvane-sim/history, or ~/.local/state/corvane-sim/history, its folders made.
std::string HistoryFile() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    const std::string folder =
        (state && *state ? std::string(state) : std::string(home ? home : ".") + "/.local/state") +
        "/corvane-sim";
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        mkdir(folder.substr(0, slash).c_str(), 0700);
    }
    mkdir(folder.c_str(), 0700);
    return folder + "/history";
}

// Tab completes the whole line typed so far: the candidates of the line source reading now.
const LineSource::Completer* g_completer = nullptr;
std::vector<std::string> g_candidates;

char* NextCandidate(const char*, int state) {
    static std::size_t next = 0;
    next = state == 0 ? 0 : next;
    return next < g_candidates.size() ? strdup(g_candidates[next++].c_str()) : nullptr;
}

// The editor counts the line in characters; the bytes of UTF-8 text they take.
std::size_t BytesOf(const char* text, int characters) {
    std::size_t bytes = 0;
    for (int counted = 0; text[bytes] != '\0'; ++bytes) {
        if ((static_cast<unsigned char>(text[bytes]) & 0xC0) != 0x80 && counted++ == characters) {
            break;
        }
    }
    return bytes;
}

// The line editor completes the word at the cursor: the whole lines that fit what is typed,
// each from where that word starts.
char** CompleteLine(const char* word, int start, int end) {
    rl_attempted_completion_over = 1; // no file names
    g_candidates.clear();
    if (g_completer != nullptr && *g_completer && rl_line_buffer != nullptr) {
        const std::string typed(rl_line_buffer, BytesOf(rl_line_buffer, end));
        const std::size_t wordStart = BytesOf(rl_line_buffer, start);
        for (const std::string& line : (*g_completer)(typed)) {
            g_candidates.push_back(line.substr(std::min(wordStart, line.size())));
        }
    }
    return rl_completion_matches(word, NextCandidate);
}

// The line the editor hands over when Enter is pressed, or nullptr at Ctrl+D.
bool g_lineDone = false;
char* g_lineRead = nullptr;

void TakeLine(char* line) {
    g_lineDone = true;
    g_lineRead = line;
    rl_callback_handler_remove();
}

} // namespace

LineSource::LineSource(std::FILE* input, std::string name)
    : m_input(input), m_name(std::move(name)),
      m_interactive(isatty(fileno(input)) && isatty(fileno(stdout))) {
    // Line editing reads multibyte characters only in the user's character set: without it,
    // Japanese typed at the terminal never reaches the program.
    if (m_interactive) {
        std::setlocale(LC_CTYPE, "");
        // What was typed in earlier sessions comes back with the arrows and Ctrl+R.
        m_historyFile = HistoryFile();
        stifle_history(kHistoryKept);
        read_history(m_historyFile.c_str());
        rl_completion_append_character = '\0';
        rl_attempted_completion_function = CompleteLine;
    }
}

LineSource::~LineSource() {
    if (m_input != stdin) {
        std::fclose(m_input);
    }
}

// The line editor fed a key at a time, so that time can pass while the user types: every
// 20 ms without a key the waiting hook runs (and may print above the line being typed). A
// terminal that goes away (its window closed) ends the input as Ctrl+D does; a signal that ends
// the session ends the read, also one that came while a key was being read.
char* LineSource::ReadEdited(const char* prompt) {
    g_lineDone = false;
    g_lineRead = nullptr;
    m_interruptedEmpty = true; // nothing typed yet
    rl_callback_handler_install(prompt, TakeLine);
    m_editing = true;
    while (!g_lineDone) {
        pollfd keys{fileno(m_input), POLLIN, 0};
        const int ready = poll(&keys, 1, m_whileWaiting ? 20 : -1);
        if ((ready > 0 && (keys.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) ||
            InterruptRequested()) {
            rl_callback_handler_remove();
            break;
        }
        if (ready > 0) {
            rl_callback_read_char();
            m_interruptedEmpty = rl_end == 0;
        } else if (ready == 0) {
            m_whileWaiting();
        } else if (errno == EINTR) {
            // A signal: Ctrl+C to clear the line, or one that ends the session.
            rl_callback_handler_remove();
            break;
        }
    }
    m_editing = false;
    return g_lineRead;
}

void LineSource::PrintAboveLine(std::FILE* stream, const std::string& text) {
    if (!m_editing) {
        std::fprintf(stream, "%s\n", text.c_str());
        return;
    }
    std::fprintf(stdout, "\r\033[K");
    std::fflush(stdout);
    std::fprintf(stream, "%s\n", text.c_str());
    std::fflush(stream);
    rl_forced_update_display();
}

std::optional<std::string> LineSource::Next(const char* prompt) {
    m_tooLong = false;
    ++m_line;
    if (m_interactive) {
        g_completer = &m_completer;
        char* line = ReadEdited(prompt);
        // Ctrl+C: the half-typed line goes, as in a shell; at an empty prompt a new one says
        // how to leave.
        while (line == nullptr && TakeLineInterrupt()) {
            std::fputs(m_interruptedEmpty
                           ? "\n(Ctrl+C clears the line; \"exit\" or Ctrl+D leaves)\n"
                           : "\n",
                       stdout);
            line = ReadEdited(prompt);
        }
        if (line == nullptr) {
            std::fputs("\n", stdout); // Ctrl+D leaves the prompt's line as it was
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
            // Written at once: a session killed later keeps what was typed.
            write_history(m_historyFile.c_str());
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
