// A small conformance harness in the manner of Wine's own tests. The same tests run in the
// simulated build and, as conformance.exe, under Wine; they use nothing but platform/win32.h.
//
//   ok(condition, "what was expected %d", value);   a check
//   todo_sim(condition, ...)                        a known gap of the simulation: in the
//                                                   simulated build the check must fail (and
//                                                   fails the test once the gap is closed);
//                                                   elsewhere it is an ordinary check
//   ok_sequence(log, expected, "context")           messages a window received, in order
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

namespace conformance {

using TestFunction = void (*)();

struct Test {
    const char* name;
    TestFunction run;
};

// Registers a test at start-up.
struct Registration {
    Registration(const char* name, TestFunction run);
};

const std::vector<Test>& Tests();

// Runs one test; the number of failed checks.
int Run(const Test& test);

struct Counts {
    int passed = 0;
    int failed = 0;
    int todo = 0;
};
const Counts& Totals();

void Check(bool passed, const char* file, int line, const char* format, ...);
void CheckTodo(bool passed, const char* file, int line, const char* format, ...);

// A message as a logging window procedure saw it.
struct LoggedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// An expected message: `optional` ones may be missing; a wParam is compared when `checkWParam`.
struct Expected {
    UINT message;
    bool optional = false;
    bool checkWParam = false;
    WPARAM wParam = 0;
};

class MessageLog {
  public:
    // Records the messages of interest, the ones whose order the program relies on.
    void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Clear() { m_messages.clear(); }
    const std::vector<LoggedMessage>& Messages() const { return m_messages; }
    std::string Describe() const;

  private:
    std::vector<LoggedMessage> m_messages;
};

bool MatchSequence(const MessageLog& log, const std::vector<Expected>& expected);

// A window class whose procedure logs into `Log()` and answers with DefWindowProcA.
MessageLog& Log();
const char* LoggingClass();
// A shown top-level window of a class of its own, whose procedure is the test's.
HWND CreateWindowOfProc(const char* className, WNDPROC procedure);

// Lets posted messages and due timers be delivered, up to `milliseconds` of waiting.
void PumpMessages(DWORD milliseconds);

} // namespace conformance

#define CONFORMANCE_CONCAT2(a, b) a##b
#define CONFORMANCE_CONCAT(a, b) CONFORMANCE_CONCAT2(a, b)
#define CONFORMANCE_TEST(name)                                                                     \
    static void name();                                                                            \
    static const conformance::Registration CONFORMANCE_CONCAT(registration_, name)(#name, name);   \
    static void name()

#define ok(condition, ...) conformance::Check((condition), __FILE__, __LINE__, __VA_ARGS__)
#define todo_sim(condition, ...)                                                                   \
    conformance::CheckTodo((condition), __FILE__, __LINE__, __VA_ARGS__)
#define ok_sequence(log, expected, context)                                                        \
    conformance::Check(conformance::MatchSequence((log), (expected)), __FILE__, __LINE__,          \
                       "%s: got %s", (context), (log).Describe().c_str())
