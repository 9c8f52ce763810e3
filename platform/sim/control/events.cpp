// The system's side of the session: the message loop run by tests, broadcasts of device,
// power, display, session and setting changes, and the services behind them.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace sim {

namespace {

const GUID kConverterClass = CONVERTER_INTERFACE_CLASS_INIT;

// Sent to every top-level window, as the system's broadcasts are.
void SendToTopLevel(World& world, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const HWND window : world.windows.TopLevelWindows()) {
        world.windows.Send(window, message, wParam, lParam);
    }
}

} // namespace

int AbsentUser::AnswerMessageBox(const MessageBoxShown&) {
    return IDOK;
}

void World::Pump() {
    const DWORD start = m_now;
    MSG message;
    while (windows.NextMessageDueBy(message, start)) {
        // While a dialog is modal, its own loop is the one running: keys go through it.
        const HWND dialog = windows.ModalDialog();
        if (dialog == nullptr || !IsDialogMessageA(dialog, &message)) {
            windows.Dispatch(message);
        }
    }
}

void World::RunFor(DWORD milliseconds) {
    const DWORD end = m_now + milliseconds;
    Pump();
    DWORD due = 0;
    while (windows.NextTimerDue(due) && due <= end) {
        if (due > m_now) {
            m_now = due;
        }
        Pump();
    }
    // A handler that waited (a device's pause) may already have taken the clock past the end;
    // time never runs backwards.
    m_now = std::max(m_now, end);
    Pump();
}

void World::Suspend() {
    SendToTopLevel(*this, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    LosePower();
}

void World::Resume() {
    SendToTopLevel(*this, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
}

void World::ChangeDisplay(int width, int height) {
    SetScreenSize(width, height);
    SendToTopLevel(*this, WM_DISPLAYCHANGE, 32, MAKELPARAM(width, height));
}

void World::EndSession(bool cancelledByAnotherProgram) {
    EndSessionWith(cancelledByAnotherProgram, 0);
}

void World::CloseApplications() {
    EndSessionWith(false, ENDSESSION_CLOSEAPP);
}

void World::EndSessionWith(bool cancelledByAnotherProgram, LPARAM reason) {
    bool agreed = true;
    for (const HWND window : windows.TopLevelWindows()) {
        agreed = windows.Send(window, WM_QUERYENDSESSION, 0, reason) != 0 && agreed;
    }
    SendToTopLevel(*this, WM_ENDSESSION, agreed && !cancelledByAnotherProgram, reason);
}

void World::RestartShell() {
    const bool hadIcon = tray.present;
    tray = TrayIcon{};
    if (hadIcon && m_observer != nullptr) {
        m_observer->TrayRemoved();
    }
    SendToTopLevel(*this, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
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
    for (const auto& [handle, registration] : deviceNotifications) {
        if (registration.interfaceClass == kConverterClass) {
            recipients.push_back(registration.window);
        }
    }
    for (const HWND window : recipients) {
        windows.Send(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(broadcast));
    }
    SendToTopLevel(*this, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
}

} // namespace sim
