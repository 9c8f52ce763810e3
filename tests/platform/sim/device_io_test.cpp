// CreateFileA, DeviceIoControl and CloseHandle on simulated converters, as Win32 defines them.
#include "platform/sim/control/world.h"
#include "platform/win32.h"
#include "tests/support/wire.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using testing_support::Wire;

class DeviceIoTest : public ::testing::Test {
  protected:
    HANDLE Open(const sim::Converter& converter) {
        return CreateFileA(converter.InterfacePath().c_str(), GENERIC_READ, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }
    // A register write or read straight through the control code; returns the call's result.
    BOOL Vendor(HANDLE handle, BYTE type, BYTE request, WORD value, WORD index, BYTE* data,
                DWORD length, DWORD* returned) {
        BYTE block[6] = {type,
                         request,
                         static_cast<BYTE>(value & 0xFF),
                         static_cast<BYTE>(value >> 8),
                         static_cast<BYTE>(index & 0xFF),
                         static_cast<BYTE>(index >> 8)};
        return DeviceIoControl(handle, IOCTL_CONVERTER_VENDOR_REQUEST, block, sizeof block, data,
                               length, returned, nullptr);
    }
    BOOL WriteRegister(HANDLE handle, BYTE reg, WORD value) {
        BYTE data[3] = {reg, static_cast<BYTE>(value & 0xFF), static_cast<BYTE>(value >> 8)};
        DWORD returned = 0;
        return Vendor(handle, 0x40, REQ_BUS_WRITE, 0x94, 0, data, 3, &returned);
    }

    sim::World world;
};

TEST_F(DeviceIoTest, OpeningIsExclusiveWhoeverHoldsTheConverter) {
    sim::Converter& converter = world.Plug();
    HANDLE first = Open(converter);
    ASSERT_NE(INVALID_HANDLE_VALUE, first);
    EXPECT_EQ(INVALID_HANDLE_VALUE, Open(converter));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    ASSERT_TRUE(CloseHandle(first));

    converter.HoldElsewhere(true);
    EXPECT_EQ(INVALID_HANDLE_VALUE, Open(converter));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    converter.HoldElsewhere(false);
    HANDLE again = Open(converter);
    EXPECT_NE(INVALID_HANDLE_VALUE, again);
    EXPECT_TRUE(CloseHandle(again));
}

TEST_F(DeviceIoTest, UnknownPathsAndHandlesFailWithTheSystemsCodes) {
    EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFileA("\\\\?\\root#converter#0009#{x}", GENERIC_READ, 0,
                                                nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    DWORD returned = 0;
    EXPECT_FALSE(DeviceIoControl(reinterpret_cast<HANDLE>(0x4444), IOCTL_CONVERTER_GET_DESCRIPTOR,
                                 nullptr, 0, nullptr, 0, &returned, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    EXPECT_FALSE(CloseHandle(reinterpret_cast<HANDLE>(0x4444)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(DeviceIoTest, DevicePathsIgnoreCase) {
    sim::Converter& converter = world.Plug();
    std::string upper = converter.InterfacePath();
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    HANDLE handle = CreateFileA(upper.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, handle);
    CloseHandle(handle);
}

TEST_F(DeviceIoTest, RegistersLastFromOpenToOpenButNotThroughPowerLoss) {
    sim::Converter& converter = world.Plug();
    HANDLE handle = Open(converter);
    ASSERT_TRUE(WriteRegister(handle, 0x26, 0x0020));
    CloseHandle(handle);
    EXPECT_EQ(0x0020, converter.Register(0x26, world.Now()));

    world.LosePower();
    EXPECT_EQ(0, converter.Register(0x26, world.Now()));

    handle = Open(converter);
    ASSERT_TRUE(WriteRegister(handle, 0x26, 0x0011));
    world.Unplug(converter);
    EXPECT_FALSE(WriteRegister(handle, 0x26, 0x0012));
    EXPECT_EQ(static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED), GetLastError());
    world.Plug(converter);
    EXPECT_EQ(0, converter.Register(0x26, world.Now())) << "a replugged converter starts afresh";
    EXPECT_FALSE(WriteRegister(handle, 0x26, 0x0013)) << "the old handle stays dead";
    HANDLE fresh = Open(converter);
    EXPECT_NE(INVALID_HANDLE_VALUE, fresh) << "and holds no claim on the new device";
    CloseHandle(handle);
    CloseHandle(fresh);
}

TEST_F(DeviceIoTest, TrafficLogRecordsEachTransferWithItsData) {
    sim::Converter& converter = world.Plug();
    HANDLE handle = Open(converter);
    BYTE descriptor[18] = {};
    DWORD returned = 0;
    ASSERT_TRUE(DeviceIoControl(handle, IOCTL_CONVERTER_GET_DESCRIPTOR, nullptr, 0, descriptor,
                                sizeof descriptor, &returned, nullptr));
    EXPECT_EQ(18u, returned);
    ASSERT_TRUE(WriteRegister(handle, 0x26, 0x0020));
    BYTE value[2] = {};
    ASSERT_TRUE(Vendor(handle, 0xC0, REQ_BUS_READ, 0x95, 0x0126, value, 2, &returned));
    EXPECT_THAT(Wire(converter),
                ElementsAre("descriptor | 12 01 10 01 00 00 00 40 00 00 02 A0 00 00 00 00 00 01",
                            "40 10 94 00 00 00 | 26 20 00", "C0 11 95 00 26 01 | 20 00"));
    CloseHandle(handle);
}

TEST_F(DeviceIoTest, NthTransferFaultFailsOnlyThatTransfer) {
    sim::Converter& converter = world.Plug();
    HANDLE handle = Open(converter);
    converter.FailNthTransfer(2, sim::Fault::Error(ERROR_GEN_FAILURE));
    EXPECT_TRUE(WriteRegister(handle, 0x26, 1));
    EXPECT_FALSE(WriteRegister(handle, 0x26, 2));
    EXPECT_EQ(static_cast<DWORD>(ERROR_GEN_FAILURE), GetLastError());
    EXPECT_TRUE(WriteRegister(handle, 0x26, 3));
    EXPECT_EQ(3, converter.Register(0x26, world.Now()));
    EXPECT_THAT(Wire(converter), ElementsAre("40 10 94 00 00 00 | 26 01 00",
                                             "40 10 94 00 00 00 | 26 02 00 ! error 31",
                                             "40 10 94 00 00 00 | 26 03 00"));
    CloseHandle(handle);
}

TEST_F(DeviceIoTest, StandingFaultMatchesTheRequestAndShortCountKeepsTheLastError) {
    sim::Converter& converter = world.Plug();
    HANDLE handle = Open(converter);
    converter.FailMatching({REQ_BUS_READ, 0x95, 0x0162}, sim::Fault::Short(1));
    SetLastError(1234);
    BYTE value[2] = {};
    DWORD returned = 0;
    EXPECT_TRUE(Vendor(handle, 0xC0, REQ_BUS_READ, 0x95, 0x0162, value, 2, &returned));
    EXPECT_EQ(1u, returned);
    EXPECT_EQ(1234u, GetLastError()) << "a successful call leaves the last error alone";
    EXPECT_TRUE(Vendor(handle, 0xC0, REQ_BUS_READ, 0x95, 0x0126, value, 2, &returned));
    EXPECT_EQ(2u, returned) << "other registers are not hit";
    converter.ClearFaults();
    EXPECT_TRUE(Vendor(handle, 0xC0, REQ_BUS_READ, 0x95, 0x0162, value, 2, &returned));
    EXPECT_EQ(2u, returned);
    CloseHandle(handle);
}

TEST_F(DeviceIoTest, MalformedControlCallsAreRefused) {
    sim::Converter& converter = world.Plug();
    HANDLE handle = Open(converter);
    BYTE block[5] = {0x40, 0x10, 0x94, 0, 0};
    BYTE data[3] = {};
    DWORD returned = 0;
    EXPECT_FALSE(DeviceIoControl(handle, IOCTL_CONVERTER_VENDOR_REQUEST, block, sizeof block, data,
                                 sizeof data, &returned, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_FALSE(
        DeviceIoControl(handle, 0x222008, nullptr, 0, data, sizeof data, &returned, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_FUNCTION), GetLastError());
    EXPECT_FALSE(DeviceIoControl(handle, IOCTL_CONVERTER_GET_DESCRIPTOR, nullptr, 0, data,
                                 sizeof data, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    CloseHandle(handle);
}

} // namespace
