// Registering for the converter's arrival and removal, and reading each broadcast.
#include "device/Device.h"
#include "device/DeviceException.h"
#include "device/DeviceNotification.h"
#include "platform/sim/control/world.h"
#include "platform/sim/user32/user32_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A device-interface broadcast carrying name, in the ANSI or the wide form.
std::vector<BYTE> Broadcast(const std::string& name, bool wide, DWORD type = 5) {
    const std::size_t offset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);
    std::vector<BYTE> data(offset + (name.size() + 1) * (wide ? 2 : 1), 0);
    auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(data.data());
    header->dbcc_size = static_cast<DWORD>(data.size());
    header->dbcc_devicetype = type;
    for (std::size_t i = 0; i < name.size(); ++i) {
        data[offset + i * (wide ? 2 : 1)] = static_cast<BYTE>(name[i]);
    }
    return data;
}

class DeviceNotificationTest : public ::testing::Test {
  protected:
    DeviceNotificationTest() {
        device.m_strDevicePath =
            "\\\\?\\root#converter#0000#{4dbc3784-22f0-4e58-885c-cbf687503e4b}";
    }
    sim::World world;
    CDeviceNotification notification;
    CDevice device;
};

TEST_F(DeviceNotificationTest, ClassifiesBroadcasts) {
    const std::string open = device.m_strDevicePath;
    std::string upper = open;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    struct Case {
        const char* name;
        std::vector<BYTE> data;
        const CDevice* device;
        DeviceMatch expected;
    };
    const Case cases[] = {
        {"open device", Broadcast(open, false), &device, MATCH_OPEN_DEVICE},
        {"other case", Broadcast(upper, false), &device, MATCH_OPEN_DEVICE},
        {"wide form", Broadcast(upper, true), &device, MATCH_OPEN_DEVICE},
        {"another converter", Broadcast(open + "x", false), &device, MATCH_OTHER},
        {"none open", Broadcast(open, false), nullptr, MATCH_OTHER},
        {"volume", Broadcast(open, false, DBT_DEVTYP_VOLUME), &device, MATCH_NONE},
        {"port", Broadcast("COM1", false, DBT_DEVTYP_PORT), nullptr, MATCH_NONE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, notification.Match(DBT_DEVICEARRIVAL, c.data.data(), c.device))
            << c.name;
    }
    EXPECT_EQ(MATCH_NONE, notification.Match(DBT_DEVNODES_CHANGED, nullptr, &device));
}

TEST_F(DeviceNotificationTest, TruncatedBroadcastIsNoBroadcast) {
    std::vector<BYTE> data = Broadcast(device.m_strDevicePath, false);
    reinterpret_cast<DEV_BROADCAST_HDR*>(data.data())->dbch_size = 12;
    EXPECT_EQ(MATCH_NONE, notification.Match(DBT_DEVICEARRIVAL, data.data(), &device));
}

TEST_F(DeviceNotificationTest, RegistersForTheConverterClassAndUnregistersOnce) {
    const HWND window = sim::Windows().AddForeignWindow("frame", RECT{0, 0, 10, 10});
    notification.Register(window, GUID_DEVINTERFACE_CONVERTER);
    ASSERT_EQ(1u, sim::User32().deviceNotifications.size());
    EXPECT_TRUE(sim::User32().deviceNotifications.begin()->second.interfaceClass ==
                GUID_DEVINTERFACE_CONVERTER);
    notification.Unregister();
    EXPECT_TRUE(sim::User32().deviceNotifications.empty());
    EXPECT_NO_THROW(notification.Unregister()) << "the second call does nothing";
}

TEST_F(DeviceNotificationTest, FailuresCarryTheSystemsCode) {
    sim::User32().notificationError = ERROR_INVALID_PARAMETER;
    try {
        notification.Register(nullptr, GUID_DEVINTERFACE_CONVERTER);
        ADD_FAILURE() << "no exception";
    } catch (const CDeviceException& e) {
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), e.m_dwError);
    }
    notification.m_hNotify = reinterpret_cast<HDEVNOTIFY>(0x4321);
    EXPECT_THROW(notification.Unregister(), CDeviceException);
    EXPECT_NE(nullptr, notification.m_hNotify) << "a failed unregistration keeps the handle";
    notification.m_hNotify = nullptr;
}

} // namespace
