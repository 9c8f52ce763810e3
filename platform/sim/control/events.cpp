// The system's side of the session: the message loop run by tests, broadcasts of device,
// power, display, session and setting changes, and the services behind them.
#include "platform/converter_interface.h"
#include "platform/sim/control/world.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/shell32/shell32_state.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace sim {

namespace {

const GUID kConverterClass = CONVERTER_INTERFACE_CLASS_INIT;

// Sent to every top-level window, as the system's broadcasts are.
void SendToTopLevel(UINT message, WPARAM wParam, LPARAM lParam) {
    for (const HWND window : Windows().TopLevelWindows()) {
        Windows().Send(window, message, wParam, lParam);
    }
}

} // namespace

void World::Pump() {
    WindowManager& windows = Windows();
    const std::uint64_t start = Uptime();
    MSG message;
    // While a popup menu is open, its own loop takes the keys and the mouse; timers, paints
    // and posted messages are delivered as ever.
    const bool menuOpen = User32().menuTracking;
    while (menuOpen ? windows.NextMessageButInputDueBy(message, start)
                    : windows.NextMessageDueBy(message, start)) {
        // While a dialog is modal, its own loop is the one running: keys go through it.
        const HWND dialog = windows.ModalDialog();
        if (dialog == nullptr || !IsDialogMessageA(dialog, &message)) {
            windows.Dispatch(message);
        }
    }
}

void World::RunFor(DWORD milliseconds) {
    std::uint64_t& now = Kernel32().now;
    const std::uint64_t end = now + milliseconds;
    Pump();
    std::uint64_t due = 0;
    while (Windows().NextTimerDue(due) && due <= end) {
        if (due > now) {
            now = due;
        }
        Pump();
    }
    // A handler that waited (a device's pause) may already have taken the clock past the end;
    // time never runs backwards.
    now = std::max(now, end);
    Pump();
}

void World::Suspend() {
    SendToTopLevel(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    LosePower();
}

void World::Resume(bool userPresent) {
    SendToTopLevel(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    if (userPresent) {
        SendToTopLevel(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    }
}

void World::ChangeDisplay(int width, int height) {
    SetScreenSize(width, height);
    SendToTopLevel(WM_DISPLAYCHANGE, 32, MAKELPARAM(width, height));
}

void World::EndSession(bool cancelledByAnotherProgram) {
    EndSessionWith(cancelledByAnotherProgram, 0);
}

void World::CloseApplications() {
    EndSessionWith(false, ENDSESSION_CLOSEAPP);
}

void World::EndSessionWith(bool cancelledByAnotherProgram, LPARAM reason) {
    bool agreed = true;
    for (const HWND window : Windows().TopLevelWindows()) {
        agreed = Windows().Send(window, WM_QUERYENDSESSION, 0, reason) != 0 && agreed;
    }
    SendToTopLevel(WM_ENDSESSION, agreed && !cancelledByAnotherProgram, reason);
}

void World::WhileCorvaneNextWaitsForTheShell(std::function<void()> otherProgram) {
    Shell32().sentWhileWaiting = std::move(otherProgram);
}

void World::RestartShell() {
    TrayIcon& tray = Shell32().tray;
    const bool hadIcon = tray.present;
    tray = TrayIcon{};
    if (hadIcon && Watcher() != nullptr) {
        Watcher()->TrayRemoved();
    }
    SendToTopLevel(RegisterWindowMessageA("TaskbarCreated"), 0, 0);
}

void World::SwitchPowerSaving(UINT setAction, BOOL on) {
    SystemParametersInfoA(setAction, on, nullptr, SPIF_SENDWININICHANGE);
}

void World::BroadcastDeviceChange(Converter& converter, UINT event) {
    const std::string& path = converter.InterfacePath();
    std::vector<BYTE> buffer(offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + path.size() +
                             1);
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(buffer.data());
    broadcast->dbcc_size = static_cast<DWORD>(buffer.size());
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    broadcast->dbcc_classguid = kConverterClass;
    std::memcpy(broadcast->dbcc_name, path.c_str(), path.size() + 1);
    std::vector<HWND> recipients;
    for (const auto& [handle, registration] : User32().deviceNotifications) {
        if (registration.interfaceClass == kConverterClass) {
            recipients.push_back(registration.window);
        }
    }
    for (const HWND window : recipients) {
        Windows().Send(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(broadcast));
    }
    SendToTopLevel(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
}

} // namespace sim
