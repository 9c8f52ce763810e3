// The caret, one a thread, and what GetGUIThreadInfo tells another program of a thread: its
// active and focused windows, its capture and its caret.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <vector>

namespace {

// A thread's caret position stays with the thread, caret or none: a new caret starts where
// the last one was, and SetCaretPos moves only a caret there is (succeeding either way, as
// Wine's does).
sim::User32State::Caret& CaretOfThisThread() {
    return sim::User32().carets[sim::kProgramThread];
}

} // namespace

// A new caret replaces the thread's old one; a width or height of 0 is the system's border
// width or height.
BOOL CreateCaret(HWND window, HBITMAP, int width, int height) {
    if (sim::Windows().Find(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    sim::User32State::Caret& caret = CaretOfThisThread();
    caret.window = window;
    caret.rect.right = caret.rect.left + (width != 0 ? width : GetSystemMetrics(SM_CXBORDER));
    caret.rect.bottom = caret.rect.top + (height != 0 ? height : GetSystemMetrics(SM_CYBORDER));
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    sim::User32State::Caret& caret = CaretOfThisThread();
    if (caret.window != nullptr) {
        OffsetRect(&caret.rect, x - caret.rect.left, y - caret.rect.top);
    }
    return TRUE;
}

BOOL DestroyCaret() {
    sim::User32State::Caret& caret = CaretOfThisThread();
    const bool had = caret.window != nullptr;
    caret.window = nullptr;
    return had;
}

// Thread 0 is the foreground window's. A thread that owns no window has no input queue.
BOOL GetGUIThreadInfo(DWORD thread, GUITHREADINFO* info) {
    if (info == nullptr || info->cbSize != sizeof(GUITHREADINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    sim::WindowManager& windows = sim::Windows();
    if (thread == 0) {
        const sim::Window* foreground = windows.Find(windows.Foreground());
        thread = foreground != nullptr ? foreground->threadId : 0;
    }
    const auto ofThread = [&](HWND window) {
        const sim::Window* w = windows.Find(window);
        return w != nullptr && w->threadId == thread ? window : nullptr;
    };
    const std::vector<HWND> topLevel = windows.TopLevelWindows();
    if (thread == 0 || std::none_of(topLevel.begin(), topLevel.end(),
                                    [&](HWND window) { return ofThread(window) != nullptr; })) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const sim::User32State& user = sim::User32();
    const auto otherFocus = user.otherThreadsFocus.find(thread);
    const HWND focus = thread == sim::kProgramThread                ? windows.Focus()
                       : otherFocus != user.otherThreadsFocus.end() ? otherFocus->second
                                                                    : nullptr;
    *info = GUITHREADINFO{
        sizeof(GUITHREADINFO),
        0,
        ofThread(thread == sim::kProgramThread ? windows.Active() : windows.Foreground()),
        ofThread(focus),
        ofThread(windows.Capture()),
        nullptr,
        nullptr,
        nullptr,
        RECT{0, 0, 0, 0}};
    const auto caret = user.carets.find(thread);
    if (caret != user.carets.end() && windows.Find(caret->second.window) != nullptr) {
        info->hwndCaret = caret->second.window;
        info->rcCaret = caret->second.rect;
    }
    return TRUE;
}
