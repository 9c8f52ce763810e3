// Where the simulator's commands come from: a script, a pipe, or a person at a terminal.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

class LineSource {
  public:
    // A terminal gets a prompt, line editing and history.
    explicit LineSource(std::FILE* input);
    ~LineSource();
    LineSource(const LineSource&) = delete;
    LineSource& operator=(const LineSource&) = delete;

    // No command is this long: a longer line is read to its end and given as an empty one,
    // so that input without line ends cannot fill the memory.
    static constexpr std::size_t kLongestLine = 64 * 1024;

    // The next line without its line end; nothing at the end of input.
    std::optional<std::string> Next(const char* prompt);
    // Whether the line Next just gave was too long and given empty.
    bool WasTooLong() const { return m_tooLong; }

  private:
    std::FILE* m_input;
    bool m_interactive;
    bool m_tooLong = false;
};
