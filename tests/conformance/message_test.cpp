// Sending and posting, the queue's order, and timers.
#include "tests/conformance/harness.h"

using conformance::Expected;
using conformance::Log;

namespace {

HWND CreateLogged() {
    return CreateWindowExA(0, conformance::LoggingClass(), "messages", WS_OVERLAPPEDWINDOW, 0, 0,
                           200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

CONFORMANCE_TEST(SendMessageIsHandledBeforeItReturns) {
    const HWND window = CreateLogged();
    Log().Clear();
    SendMessageA(window, WM_APP + 1, 7, 0);
    ok_sequence(Log(), (std::vector<Expected>{{WM_APP + 1, false, true, 7}}), "SendMessageA");
    DestroyWindow(window);
}

CONFORMANCE_TEST(PostedMessagesArriveInTheOrderPosted) {
    const HWND window = CreateLogged();
    Log().Clear();
    for (WPARAM i = 1; i <= 3; ++i) {
        ok(PostMessageA(window, WM_APP + 2, i, 0), "PostMessageA %lu",
           static_cast<unsigned long>(i));
    }
    ok(Log().Messages().empty(), "nothing is handled before the queue is read");
    conformance::PumpMessages(0);
    ok_sequence(Log(),
                (std::vector<Expected>{{WM_APP + 2, false, true, 1},
                                       {WM_APP + 2, false, true, 2},
                                       {WM_APP + 2, false, true, 3}}),
                "three posted messages");
    DestroyWindow(window);
    SetLastError(0xdeadbeef);
    ok(!PostMessageA(window, WM_APP, 0, 0), "posting to a destroyed window fails");
    ok(GetLastError() == ERROR_INVALID_WINDOW_HANDLE, "and says why: %lu", GetLastError());
}

CONFORMANCE_TEST(PeekMessageLeavesOrTakes) {
    const HWND window = CreateLogged();
    PostMessageA(window, WM_APP + 3, 1, 0);
    MSG message{};
    ok(PeekMessageA(&message, window, 0, 0, PM_NOREMOVE) && message.message == WM_APP + 3,
       "PM_NOREMOVE sees it");
    ok(PeekMessageA(&message, window, WM_APP + 3, WM_APP + 3, PM_REMOVE), "PM_REMOVE takes it");
    ok(!PeekMessageA(&message, window, 0, 0, PM_REMOVE), "and then the queue is empty");
    DestroyWindow(window);
}

CONFORMANCE_TEST(TimersFireAfterTheirPeriodAndAfterPostedMessages) {
    const HWND window = CreateLogged();
    ok(SetTimer(window, 7, 50, nullptr) == 7, "SetTimer gives the id back");
    Log().Clear();
    conformance::PumpMessages(0);
    ok(Log().Messages().empty(), "no WM_TIMER before the period");
    Sleep(80);
    PostMessageA(window, WM_APP + 4, 0, 0);
    MSG message{};
    ok(PeekMessageA(&message, window, 0, 0, PM_REMOVE) && message.message == WM_APP + 4,
       "a posted message comes before a due timer");
    ok(PeekMessageA(&message, window, 0, 0, PM_REMOVE) && message.message == WM_TIMER &&
           message.wParam == 7,
       "then WM_TIMER with the timer's id");
    ok(KillTimer(window, 7), "KillTimer");
    ok(!KillTimer(window, 7), "a second KillTimer fails");
    Sleep(80);
    ok(!PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE), "no WM_TIMER after it");
    DestroyWindow(window);
}

CONFORMANCE_TEST(RegisteredMessagesShareOneIdByName) {
    const UINT first = RegisterWindowMessageA("TaskbarCreated");
    ok(first >= 0xC000 && first <= 0xFFFF, "in the range for registered messages: %x", first);
    ok(RegisterWindowMessageA("taskbarcreated") == first, "the same id whatever the case");
    ok(RegisterWindowMessageA("CorvaneConformanceMessage") != first, "another name, another id");
}
