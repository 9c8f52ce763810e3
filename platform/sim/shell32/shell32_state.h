// What the shell keeps: the notification-area icon, as the user sees it.
#pragma once

#include "platform/sim/include/win32_window_types.h"

#include <deque>
#include <functional>
#include <string>

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
    // The latest balloons, oldest first: as many as a person could still look back on (the
    // notification centre keeps a few), so that a long session does not grow without end.
    std::deque<Balloon> balloons;
    static constexpr std::size_t kBalloonsKept = 64;
};

struct Shell32State {
    TrayIcon tray;
    // Run inside the next Shell_NotifyIconA, as another program's messages are.
    std::function<void()> sentWhileWaiting;
};

Shell32State& Shell32();

} // namespace sim
