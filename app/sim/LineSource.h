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

    // The next line without its line end; nothing at the end of input.
    std::optional<std::string> Next(const char* prompt);

  private:
    std::FILE* m_input;
    bool m_interactive;
};
