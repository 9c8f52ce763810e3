// The device setup services as Win32 defines them, over the simulated bus.
#include "platform/sim/control/world.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace {

const GUID kConverterClass = CONVERTER_INTERFACE_CLASS_INIT;

class SetupApiTest : public ::testing::Test {
  protected:
    HDEVINFO Snapshot() {
        return SetupDiGetClassDevsA(&kConverterClass, nullptr, nullptr,
                                    DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    }
    SP_DEVICE_INTERFACE_DATA Interface() {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        return data;
    }
    sim::World world;
};

TEST_F(SetupApiTest, EnumerationListsAttachedConvertersThenNoMoreItems) {
    world.Plug();
    sim::Converter& second = world.Plug();
    world.Plug();
    world.Unplug(second);
    HDEVINFO set = Snapshot();
    ASSERT_NE(INVALID_HANDLE_VALUE, set);
    SP_DEVICE_INTERFACE_DATA data = Interface();
    EXPECT_TRUE(SetupDiEnumDeviceInterfaces(set, nullptr, &kConverterClass, 0, &data));
    EXPECT_TRUE(SetupDiEnumDeviceInterfaces(set, nullptr, &kConverterClass, 1, &data));
    EXPECT_FALSE(SetupDiEnumDeviceInterfaces(set, nullptr, &kConverterClass, 2, &data));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
    EXPECT_TRUE(SetupDiDestroyDeviceInfoList(set));
    EXPECT_FALSE(SetupDiDestroyDeviceInfoList(set));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(SetupApiTest, InterfaceDataSizeIsChecked) {
    world.Plug();
    HDEVINFO set = Snapshot();
    SP_DEVICE_INTERFACE_DATA data = Interface();
    data.cbSize = 4;
    EXPECT_FALSE(SetupDiEnumDeviceInterfaces(set, nullptr, &kConverterClass, 0, &data));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_USER_BUFFER), GetLastError());
    SetupDiDestroyDeviceInfoList(set);
}

TEST_F(SetupApiTest, DetailQueryReportsItsSizeThenFillsThePath) {
    sim::Converter& converter = world.Plug();
    HDEVINFO set = Snapshot();
    SP_DEVICE_INTERFACE_DATA data = Interface();
    ASSERT_TRUE(SetupDiEnumDeviceInterfaces(set, nullptr, &kConverterClass, 0, &data));

    DWORD required = 0;
    EXPECT_FALSE(SetupDiGetDeviceInterfaceDetailA(set, &data, nullptr, 0, &required, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) +
                  converter.InterfacePath().size() + 1,
              required);

    std::vector<BYTE> buffer(required);
    auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(buffer.data());
    detail->cbSize = 8; // the 64-bit size: wrong for this structure here
    EXPECT_FALSE(SetupDiGetDeviceInterfaceDetailA(set, &data, detail, required, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_USER_BUFFER), GetLastError());

    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    EXPECT_FALSE(
        SetupDiGetDeviceInterfaceDetailA(set, &data, detail, required - 1, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());

    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(SetupDiGetDeviceInterfaceDetailA(set, &data, detail, required, nullptr, &info));
    EXPECT_EQ(converter.InterfacePath(), detail->DevicePath);
    SetupDiDestroyDeviceInfoList(set);
}

TEST_F(SetupApiTest, SnapshotDoesNotFollowLaterPlugs) {
    HDEVINFO set = Snapshot();
    world.Plug();
    SP_DEVICE_INTERFACE_DATA data = Interface();
    EXPECT_FALSE(SetupDiEnumDeviceInterfaces(set, nullptr, &kConverterClass, 0, &data));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
    SetupDiDestroyDeviceInfoList(set);
}

} // namespace
