// Registration for the converter's arrival and removal, and the reading of each broadcast.
#pragma once

#include "../framework/Object.h"
#include "../platform/win32.h"

class CDevice;

enum DeviceMatch {
    MATCH_NONE = 0,        // no data, or not a device-interface broadcast
    MATCH_OTHER = 1,       // a device interface other than the open device's, or none is open
    MATCH_OPEN_DEVICE = 2, // the open device itself
};

class CDeviceNotification : public CObject {
    DECLARE_DYNAMIC(CDeviceNotification)
  public:
    CDeviceNotification() = default;
    ~CDeviceNotification() override;
    CDeviceNotification(const CDeviceNotification&) = delete;
    CDeviceNotification& operator=(const CDeviceNotification&) = delete;

    // Both throw CDeviceException with the system's error.
    void Register(HWND hWndRecipient, const GUID& interfaceClass);
    void Unregister();
    // What a WM_DEVICECHANGE's data says about pDevice; the event type is not looked at.
    DeviceMatch Match(UINT nEventType, const void* pData, const CDevice* pDevice) const;

    HWND m_hWndRecipient = nullptr;
    HDEVNOTIFY m_hNotify = nullptr;
};
