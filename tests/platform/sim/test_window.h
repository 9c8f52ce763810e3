// A hidden-or-shown popup window of its own class, for tests that need a window procedure.
#pragma once

#include "platform/win32.h"

namespace testing_support {

inline HWND CreateTestWindow(const char* className, WNDPROC procedure, DWORD style, RECT rect) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, "", style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
}

} // namespace testing_support
