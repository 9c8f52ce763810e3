// The caret and the keyboard focus as another program reads them: GetGUIThreadInfo gives a
// thread's focus window, and its caret's window and rectangle in that window's client
// coordinates.
#include "tests/conformance/harness.h"

namespace {

GUITHREADINFO ThreadInfo(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ok(GetGUIThreadInfo(thread, &info), "GetGUIThreadInfo(%lu): error %lu", thread, GetLastError());
    return info;
}

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

CONFORMANCE_TEST(TheCaretAndTheFocusAreReadAsAnotherProgramReadsThem) {
    const HWND window = conformance::CreateWindowOfProc("CaretOwner", DefWindowProcA);
    SetForegroundWindow(window);
    SetFocus(window);
    conformance::PumpMessages(0);
    ok(SetCaretPos(5, 5), "SetCaretPos succeeds without a caret, and moves nothing");
    ok(CreateCaret(window, nullptr, 2, 16), "CreateCaret");
    ok(SetCaretPos(30, 40), "SetCaretPos");
    GUITHREADINFO info = ThreadInfo(GetCurrentThreadId());
    ok(info.hwndFocus == window, "the focus: %p", static_cast<void*>(info.hwndFocus));
    ok(info.hwndCaret == window, "the caret's window: %p", static_cast<void*>(info.hwndCaret));
    ok(Same(info.rcCaret, RECT{30, 40, 32, 56}), "the caret: %ld %ld %ld %ld", info.rcCaret.left,
       info.rcCaret.top, info.rcCaret.right, info.rcCaret.bottom);
    info = ThreadInfo(0);
    ok(info.hwndCaret == window && info.hwndFocus == window, "thread 0 is the foreground's");

    ok(SetCaretPos(50, 60), "SetCaretPos");
    ok(CreateCaret(window, nullptr, 0, 0), "a caret of the system's border width");
    info = ThreadInfo(GetCurrentThreadId());
    ok(Same(info.rcCaret,
            RECT{50, 60, 50 + GetSystemMetrics(SM_CXBORDER), 60 + GetSystemMetrics(SM_CYBORDER)}),
       "a new caret replaces the old, where it was: %ld %ld %ld %ld", info.rcCaret.left,
       info.rcCaret.top, info.rcCaret.right, info.rcCaret.bottom);

    ok(DestroyCaret(), "DestroyCaret");
    info = ThreadInfo(GetCurrentThreadId());
    ok(info.hwndCaret == nullptr, "no caret once destroyed");

    GUITHREADINFO wrongSize{};
    wrongSize.cbSize = sizeof wrongSize - 1;
    SetLastError(0);
    ok(!GetGUIThreadInfo(GetCurrentThreadId(), &wrongSize) &&
           GetLastError() == ERROR_INVALID_PARAMETER,
       "a wrong size is refused: %lu", GetLastError());
    DestroyWindow(window);
}
