// Registrations for device-interface arrival and removal broadcasts.
#include "platform/sim/include/win32_api.h"
#include "platform/sim/world.h"

#include <cstddef>

using sim::World;

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
