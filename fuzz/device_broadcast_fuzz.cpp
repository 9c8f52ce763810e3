// The device broadcast classifier over any bytes a WM_DEVICECHANGE could carry, as an ANSI
// and as a Unicode window receives them, with and without an open device. The buffer is as
// long as its header says, as Windows delivers it.
#include "device/Device.h"
#include "device/DeviceNotification.h"
#include "platform/sim/control/world.h"
#include "platform/sim/user32/user32_state.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const bool unicode = (data[0] & 1) != 0;
    const bool withDevice = (data[0] & 2) != 0;
    std::vector<std::uint8_t> broadcast(data + 1, data + size);
    if (broadcast.size() >= sizeof(DWORD)) {
        DWORD declared = 0;
        std::memcpy(&declared, broadcast.data(), sizeof declared);
        declared = std::min<DWORD>(declared, static_cast<DWORD>(broadcast.size()));
        std::memcpy(broadcast.data(), &declared, sizeof declared);
        broadcast.resize(declared);
    }
    // One machine and one recipient window for every input: only the broadcast changes.
    static sim::World world;
    static const HWND recipient = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "FuzzRecipient";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, "FuzzRecipient", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
    }();
    sim::Windows().Find(recipient)->unicode = unicode;
    CDeviceNotification notification;
    notification.m_hWndRecipient = recipient;
    CDevice device;
    device.m_strDevicePath = "\\\\?\\usb#vid_0000&pid_0000#1#{converter}";
    const void* bytes = broadcast.size() >= sizeof(DEV_BROADCAST_HDR) ? broadcast.data() : nullptr;
    notification.Match(0, bytes, withDevice ? &device : nullptr);
    return 0;
}
