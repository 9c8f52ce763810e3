#include "tests/conformance/harness.h"

#include <cstdarg>
#include <cstdio>

namespace conformance {

namespace {

std::vector<Test>& Registry() {
    static std::vector<Test> tests;
    return tests;
}

Counts g_totals;
int g_failedInTest = 0;
const char* g_currentTest = "";

void Report(const char* file, int line, const char* verdict, const char* format, va_list args) {
    char text[1024];
    std::vsnprintf(text, sizeof text, format, args);
    std::printf("%s:%d: %s: %s: %s\n", file, line, g_currentTest, verdict, text);
}

// The messages whose order matters to the program; the others (non-client painting and
// the like) differ between versions of Windows and are not compared.
bool OfInterest(UINT message) {
    switch (message) {
    case WM_NCCREATE:
    case WM_CREATE:
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_CLOSE:
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_TIMER:
    case WM_INITMENUPOPUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
        return true;
    default:
        return message >= WM_APP && message < WM_APP + 0x100;
    }
}

LRESULT CALLBACK LoggingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Record(window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

Registration::Registration(const char* name, TestFunction run) {
    Registry().push_back(Test{name, run});
}

const std::vector<Test>& Tests() {
    return Registry();
}

const Counts& Totals() {
    return g_totals;
}

int Run(const Test& test) {
    g_failedInTest = 0;
    g_currentTest = test.name;
    Log().Clear();
    test.run();
    return g_failedInTest;
}

void Check(bool passed, const char* file, int line, const char* format, ...) {
    if (passed) {
        ++g_totals.passed;
        return;
    }
    ++g_totals.failed;
    ++g_failedInTest;
    va_list args;
    va_start(args, format);
    Report(file, line, "Test failed", format, args);
    va_end(args);
}

void CheckTodo(bool passed, const char* file, int line, const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
#ifdef _WIN32
    Check(passed, file, line, "%s", text);
#else
    if (passed) {
        // The gap is closed: the marker has to go, so the list of gaps stays true.
        Check(false, file, line, "succeeded inside todo_sim: %s", text);
    } else {
        ++g_totals.todo;
    }
#endif
}

void MessageLog::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (OfInterest(message)) {
        m_messages.push_back(LoggedMessage{window, message, wParam, lParam});
    }
}

std::string MessageLog::Describe() const {
    std::string text;
    for (const LoggedMessage& m : m_messages) {
        char item[48];
        std::snprintf(item, sizeof item, "%s0x%04x(%lu)", text.empty() ? "" : " ", m.message,
                      static_cast<unsigned long>(m.wParam));
        text += item;
    }
    return text.empty() ? "nothing" : text;
}

bool MatchSequence(const MessageLog& log, const std::vector<Expected>& expected) {
    std::size_t next = 0;
    for (const Expected& want : expected) {
        const bool here = next < log.Messages().size() &&
                          log.Messages()[next].message == want.message &&
                          (!want.checkWParam || log.Messages()[next].wParam == want.wParam);
        if (here) {
            ++next;
        } else if (!want.optional) {
            return false;
        }
    }
    return next == log.Messages().size();
}

MessageLog& Log() {
    static MessageLog log;
    return log;
}

const char* LoggingClass() {
    static const char kName[] = "ConformanceLogger";
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = LoggingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kName;
    RegisterClassA(&windowClass); // the second time it already exists, which is fine
    return kName;
}

HWND CreateWindowOfProc(const char* className, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, className, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                           100, nullptr, nullptr, windowClass.hInstance, nullptr);
}

void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG message;
    do {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        if (milliseconds != 0) {
            Sleep(10);
        }
    } while (GetTickCount() - start < milliseconds);
}

} // namespace conformance
