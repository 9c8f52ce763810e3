// Where the simulator's commands come from: a script, a pipe, or a person at a terminal.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class LineSource {
  public:
    // A terminal gets a prompt, line editing and history kept between sessions. The name is
    // the script's, for messages about its lines.
    explicit LineSource(std::FILE* input, std::string name = "standard input");
    ~LineSource();
    LineSource(const LineSource&) = delete;
    LineSource& operator=(const LineSource&) = delete;

    // No command is this long: a longer line is read to its end and given as an empty one,
    // so that input without line ends cannot fill the memory.
    static constexpr std::size_t kLongestLine = 64 * 1024;

    // What Tab offers at a terminal: every whole line that could follow what is typed.
    using Completer = std::function<std::vector<std::string>(const std::string& typed)>;
    void SetCompleter(Completer completer) { m_completer = std::move(completer); }

    // Run every 20 ms while a person at the terminal has typed nothing, so that time passes.
    void WhileWaiting(std::function<void()> hook) { m_whileWaiting = std::move(hook); }
    // A line of output: above the line being typed, which is drawn again below it.
    void PrintAboveLine(std::FILE* stream, const std::string& text);

    // The next line without its line end; nothing at the end of input.
    std::optional<std::string> Next(const char* prompt);
    // Whether the line Next just gave was too long and given empty.
    bool WasTooLong() const { return m_tooLong; }
    // A person types the lines, at a terminal.
    bool Interactive() const { return m_interactive; }
    // The line Next gave last, as "NAME:NUMBER".
    std::string Where() const { return m_name + ":" + std::to_string(m_line); }

  private:
    char* ReadEdited(const char* prompt);

    std::FILE* m_input;
    std::string m_name;
    int m_line = 0;
    bool m_interactive;
    bool m_tooLong = false;
    std::string m_historyFile; // at a terminal
    Completer m_completer;
    std::function<void()> m_whileWaiting;
    bool m_editing = false;
    bool m_interruptedEmpty = false; // nothing is typed on the line, as Ctrl+C finds it
};
