// How CDevice::Open searches the converters' interfaces and what it reports.
#include "device/Device.h"
#include "device/DeviceException.h"
#include "platform/sim/control/world.h"
#include "platform/sim/setupapi/setupapi_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

struct OpenCase {
    const char* name;
    std::function<void(sim::World&)> arrange;
    std::optional<DWORD> thrown;       // the code Open throws, or success
    std::optional<std::size_t> opened; // which converter the handle is for
};

std::ostream& operator<<(std::ostream& out, const OpenCase& c) {
    return out << c.name;
}

sim::Converter& Nth(sim::World& world, std::size_t n) {
    return *world.AttachedConverters().at(n);
}

const OpenCase kOpenCases[] = {
    {"NoConverter", [](sim::World&) {}, DEVICE_ERROR_NO_DEVICE, std::nullopt},
    {"OnlyConverterHeldElsewhere", [](sim::World& w) { w.Plug().HoldElsewhere(true); },
     DEVICE_ERROR_BUSY, std::nullopt},
    {"EveryConverterHeldElsewhere",
     [](sim::World& w) {
         w.Plug().HoldElsewhere(true);
         w.Plug().HoldElsewhere(true);
     },
     DEVICE_ERROR_BUSY, std::nullopt},
    {"FirstDeniedSecondOpens",
     [](sim::World& w) {
         w.Plug().HoldElsewhere(true);
         w.Plug();
     },
     std::nullopt, 1},
    {"FileNotFoundGoesOnToTheNext",
     [](sim::World& w) {
         w.Plug().FailOpens(ERROR_FILE_NOT_FOUND);
         w.Plug();
     },
     std::nullopt, 1},
    {"LastAttemptsErrorIsReported",
     [](sim::World& w) {
         w.Plug().HoldElsewhere(true);
         w.Plug().FailOpens(ERROR_FILE_NOT_FOUND);
     },
     DEVICE_ERROR_NO_DEVICE, std::nullopt},
    {"SharingViolationEndsTheSearchAtOnce",
     [](sim::World& w) {
         w.Plug().FailOpens(ERROR_SHARING_VIOLATION);
         w.Plug();
     },
     ERROR_SHARING_VIOLATION, std::nullopt},
    {"FailingDetailQueryEndsTheSearch",
     [](sim::World& w) {
         w.Plug().HoldElsewhere(true);
         w.Plug();
         w.Plug();
         sim::SetupApi().detailErrors[1] = ERROR_INVALID_USER_BUFFER;
     },
     ERROR_INVALID_USER_BUFFER, std::nullopt},
    {"FailingDetailQueryIsMappedLikeAnOpenError",
     [](sim::World& w) {
         w.Plug();
         sim::SetupApi().detailErrors[0] = ERROR_FILE_NOT_FOUND;
     },
     DEVICE_ERROR_NO_DEVICE, std::nullopt},
    {"ClassListThatCannotBeBuilt", [](sim::World&) { sim::SetupApi().classDevsError = 0xE000020B; },
     0xE000020B, std::nullopt},
    {"SizeQueryReportingNothingUsable",
     [](sim::World& w) {
         w.Plug();
         sim::SetupApi().detailSizes[0] = 0;
     },
     ERROR_INSUFFICIENT_BUFFER, std::nullopt},
};

class DeviceOpenTest : public ::testing::TestWithParam<OpenCase> {
  protected:
    sim::World world;
};

TEST_P(DeviceOpenTest, SearchesAndReports) {
    const OpenCase& c = GetParam();
    c.arrange(world);
    CDevice device;
    std::optional<DWORD> thrown;
    try {
        device.Open();
    } catch (const CDeviceException& e) {
        thrown = e.m_dwError;
    }
    EXPECT_EQ(c.thrown, thrown);
    if (c.opened) {
        EXPECT_NE(INVALID_HANDLE_VALUE, device.m_hDevice);
        EXPECT_EQ(Nth(world, *c.opened).InterfacePath(), device.m_strDevicePath);
    } else {
        EXPECT_EQ(INVALID_HANDLE_VALUE, device.m_hDevice);
    }
    EXPECT_TRUE(sim::SetupApi().deviceInfoSets.empty()) << "the device list is always destroyed";
}

INSTANTIATE_TEST_SUITE_P(Cases, DeviceOpenTest, ::testing::ValuesIn(kOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceOpen, SharingViolationNeverTriesTheNextInterface) {
    sim::World world;
    world.Plug().FailOpens(ERROR_SHARING_VIOLATION);
    sim::Converter& second = world.Plug();
    CDevice device;
    EXPECT_THROW(device.Open(), CDeviceException);
    HANDLE probe = CreateFileA(second.InterfacePath().c_str(), GENERIC_READ, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, probe) << "the second converter was left alone";
    CloseHandle(probe);
}

TEST(DeviceOpen, OpensExclusivelyForReadingWithASynchronousHandle) {
    sim::World world;
    sim::Converter& converter = world.Plug();
    CDevice device;
    device.Open();
    EXPECT_EQ(0u, converter.LastOpenShareMode());
    EXPECT_EQ(0u, converter.LastOpenFlags() & FILE_FLAG_OVERLAPPED);
    EXPECT_TRUE(device.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_STREQ("CDevice", device.GetRuntimeClass()->m_lpszClassName);
}

TEST(DeviceOpen, CloseAndDestructionGiveTheConverterBack) {
    sim::World world;
    world.Plug();
    {
        CDevice device;
        device.Open();
        EXPECT_TRUE(device.Close());
        EXPECT_EQ(INVALID_HANDLE_VALUE, device.m_hDevice);
        EXPECT_FALSE(device.Close()) << "closing twice reports, never throws";
        device.Open();
    }
    CDevice again;
    EXPECT_NO_THROW(again.Open());
}

} // namespace
