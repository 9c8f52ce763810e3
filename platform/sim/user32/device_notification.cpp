// Registrations for device-interface arrival and removal broadcasts.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/kernel32/kernel32_state.h"
#include "platform/sim/user32/user32_state.h"

#include <cstddef>

HDEVNOTIFY RegisterDeviceNotificationA(HANDLE recipient, LPVOID filter, DWORD flags) {
    const auto* header = static_cast<const DEV_BROADCAST_HDR*>(filter);
    if (sim::User32().notificationError != 0) {
        SetLastError(sim::User32().notificationError);
        return nullptr;
    }
    if (header == nullptr || flags != DEVICE_NOTIFY_WINDOW_HANDLE ||
        header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE ||
        header->dbch_size < offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) ||
        sim::Windows().Find(static_cast<HWND>(recipient)) == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const auto* filterData = static_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(filter);
    HDEVNOTIFY handle = sim::Kernel32().NewHandle();
    sim::User32().deviceNotifications.emplace(
        handle, sim::DeviceNotificationRegistration{static_cast<HWND>(recipient),
                                                    filterData->dbcc_classguid});
    return handle;
}

BOOL UnregisterDeviceNotification(HDEVNOTIFY handle) {
    if (sim::User32().deviceNotifications.erase(handle) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
