// What the shell keeps: the notification-area icon, as the user sees it.
#pragma once

#include "platform/sim/include/win32_window_types.h"

#include <functional>
#include <string>
#include <vector>

namespace sim {

struct Balloon {
    std::string title;
    std::string text;
    DWORD infoFlags;
    UINT timeout;
};

struct TrayIcon {
    bool present = false;
    HWND window = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0;
    int iconResource = 0;
    std::string tip;
    std::vector<Balloon> balloons;
};

struct Shell32State {
    TrayIcon tray;
    // Run inside the next Shell_NotifyIconA, as another program's messages are.
    std::function<void()> sentWhileWaiting;
};

Shell32State& Shell32();

} // namespace sim
