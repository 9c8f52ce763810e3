// The system's side of the session: the message loop run by tests, broadcasts of device,
// power, display, session and setting changes, and the services behind them.
#include "win32_api.h"
#include "world.h"

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

void AbsentUser::RunDialog(HWND dialog) {
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void World::Pump() {
    MSG message;
    while (windows.NextMessage(message)) {
        windows.Dispatch(message);
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
    m_now = end;
    Pump();
}

void World::ClickTray(UINT mouseMessage) {
    if (tray.present) {
        windows.Post(tray.window, tray.callbackMessage, tray.id, mouseMessage);
        Pump();
    }
}

bool World::PressShortcut(DWORD vk, DWORD flags) {
    if (!hook.running) {
        return false;
    }
    for (const SHORTCUT_ENTRY* entry : hook.entries) {
        if (entry->vk == vk && entry->flags == flags) {
            windows.Post(entry->hwnd, entry->message, entry->wParam, entry->lParam);
            Pump();
            return true;
        }
    }
    return false;
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
    bool agreed = true;
    for (const HWND window : windows.TopLevelWindows()) {
        agreed = windows.Send(window, WM_QUERYENDSESSION, 0, 0) != 0 && agreed;
    }
    SendToTopLevel(*this, WM_ENDSESSION, agreed && !cancelledByAnotherProgram, 0);
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

using sim::World;

BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni) {
    World& world = World::Current();
    BOOL* setting = nullptr;
    switch (action) {
    case SPI_GETSCREENSAVEACTIVE:
    case SPI_SETSCREENSAVEACTIVE:
        setting = &world.powerSaving.screenSaver;
        break;
    case SPI_GETLOWPOWERACTIVE:
    case SPI_SETLOWPOWERACTIVE:
        setting = &world.powerSaving.lowPower;
        break;
    case SPI_GETPOWEROFFACTIVE:
    case SPI_SETPOWEROFFACTIVE:
        setting = &world.powerSaving.powerOff;
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool get = action == SPI_GETSCREENSAVEACTIVE || action == SPI_GETLOWPOWERACTIVE ||
                     action == SPI_GETPOWEROFFACTIVE;
    if (get) {
        if (pvParam == nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        *static_cast<BOOL*>(pvParam) = *setting;
        return TRUE;
    }
    *setting = uiParam != 0;
    world.powerSavingCalls.push_back(std::to_string(action) + " " + std::to_string(uiParam));
    if (winIni & SPIF_SENDWININICHANGE) {
        for (const HWND window : world.windows.TopLevelWindows()) {
            world.windows.Send(window, WM_SETTINGCHANGE, action, 0);
        }
    }
    return TRUE;
}

HDEVNOTIFY RegisterDeviceNotificationA(HANDLE recipient, LPVOID filter, DWORD flags) {
    World& world = World::Current();
    const auto* header = static_cast<const DEV_BROADCAST_HDR*>(filter);
    if (world.NotificationError() != 0) {
        SetLastError(world.NotificationError());
        return nullptr;
    }
    if (header == nullptr || flags != DEVICE_NOTIFY_WINDOW_HANDLE ||
        header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE ||
        header->dbch_size < offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) ||
        world.windows.Find(static_cast<HWND>(recipient)) == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const auto* filterData = static_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(filter);
    HDEVNOTIFY handle = world.NewHandle();
    world.deviceNotifications.emplace(
        handle, sim::DeviceNotificationRegistration{static_cast<HWND>(recipient),
                                                    filterData->dbcc_classguid});
    return handle;
}

BOOL UnregisterDeviceNotification(HDEVNOTIFY handle) {
    if (World::Current().deviceNotifications.erase(handle) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

HWND ImmGetDefaultIMEWnd(HWND window) {
    World& world = World::Current();
    if (world.windows.Find(window) == nullptr) {
        return nullptr;
    }
    if (world.windows.Find(world.imeWindow) == nullptr) {
        world.imeWindow = world.windows.Create(0, "IME", "Default IME", WS_POPUP, RECT{0, 0, 0, 0},
                                               nullptr, 0, nullptr, sim::kProgramThread);
    }
    return world.imeWindow;
}

HIMC ImmGetContext(HWND window) {
    World& world = World::Current();
    if (world.windows.Find(window) == nullptr) {
        return nullptr;
    }
    const auto found = world.imeContexts.find(window);
    if (found == world.imeContexts.end()) {
        // Every window starts with the thread's default input context.
        return world.imeContexts[window] = reinterpret_cast<HIMC>(0x1C0);
    }
    return found->second;
}

HIMC ImmAssociateContext(HWND window, HIMC context) {
    const HIMC previous = ImmGetContext(window);
    World::Current().imeContexts[window] = context;
    return previous;
}

BOOL ImmReleaseContext(HWND, HIMC context) {
    return context != nullptr;
}
