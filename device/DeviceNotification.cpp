#include "DeviceNotification.h"

#include "Device.h"
#include "DeviceException.h"

#include <cstddef>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CDeviceNotification, CObject)

namespace {

constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);

// The path in a broadcast, within its stated size. Windows sends Unicode windows the wide
// form; some systems send it to every window, so a name whose second byte is zero (no
// device path has that in the ANSI form) is read as wide as well.
std::string BroadcastName(const DEV_BROADCAST_DEVICEINTERFACE_A* broadcast, bool unicodeWindow) {
    const std::size_t bytes = broadcast->dbcc_size - kNameOffset;
    const char* name = broadcast->dbcc_name;
    const bool wide = unicodeWindow || (bytes >= 2 && name[0] != '\0' && name[1] == '\0');
    if (!wide) {
        std::size_t length = 0;
        while (length < bytes && name[length] != '\0') {
            ++length;
        }
        return std::string(name, length);
    }
    std::vector<WCHAR> text(bytes / sizeof(WCHAR) + 1, 0);
    for (std::size_t i = 0; i + 1 < bytes; i += 2) {
        text[i / 2] = static_cast<WCHAR>(static_cast<unsigned char>(name[i]) |
                                         (static_cast<unsigned char>(name[i + 1]) << 8));
    }
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, text.data(), -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return std::string();
    }
    std::string converted(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), -1, &converted[0], needed, nullptr, nullptr);
    converted.resize(converted.find('\0'));
    return converted;
}

} // namespace

CDeviceNotification::~CDeviceNotification() {
    if (m_hNotify != nullptr) {
        UnregisterDeviceNotification(m_hNotify);
        m_hNotify = nullptr;
    }
}

void CDeviceNotification::Register(HWND hWndRecipient, const GUID& interfaceClass) {
    BYTE filter[32] = {};
    auto* data = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(filter);
    data->dbcc_size = sizeof filter;
    data->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    data->dbcc_classguid = interfaceClass;
    m_hWndRecipient = hWndRecipient;
    m_hNotify = RegisterDeviceNotificationA(hWndRecipient, filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (m_hNotify == nullptr) {
        throw CDeviceException(GetLastError());
    }
}

void CDeviceNotification::Unregister() {
    if (m_hNotify == nullptr) {
        return;
    }
    if (!UnregisterDeviceNotification(m_hNotify)) {
        throw CDeviceException(GetLastError());
    }
    m_hNotify = nullptr;
}

DeviceMatch CDeviceNotification::Match(UINT, const void* pData, const CDevice* pDevice) const {
    const auto* header = static_cast<const DEV_BROADCAST_HDR*>(pData);
    // A broadcast too short for its own name is as good as none.
    if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE ||
        header->dbch_size <= kNameOffset) {
        return MATCH_NONE;
    }
    const std::string name =
        BroadcastName(static_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(pData),
                      IsWindowUnicode(m_hWndRecipient));
    if (pDevice == nullptr) {
        return MATCH_OTHER;
    }
    return _mbsicmp(reinterpret_cast<const unsigned char*>(pDevice->m_strDevicePath.c_str()),
                    reinterpret_cast<const unsigned char*>(name.c_str())) == 0
               ? MATCH_OPEN_DEVICE
               : MATCH_OTHER;
}
