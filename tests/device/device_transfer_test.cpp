// CDevice's vendor requests and register model, byte for byte on the wire.
#include "device/Device.h"
#include "device/DeviceException.h"
#include "platform/sim/control/world.h"
#include "tests/support/wire.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

using ::testing::ElementsAre;
using testing_support::Wire;

DWORD ThrownCode(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const CDeviceException& e) {
        return e.m_dwError;
    }
    ADD_FAILURE() << "no CDeviceException";
    return 0;
}

class DeviceTransferTest : public ::testing::Test {
  protected:
    void SetUp() override { Attach(sim::MainModelConfig()); }
    void Attach(const ChipConfig& config) {
        converter = &world.Plug(config);
        device.Open();
        converter->ClearTraffic();
    }
    sim::World world;
    sim::Converter* converter = nullptr;
    CDevice device;
};

TEST_F(DeviceTransferTest, RegisterWriteAndReadTravelLowByteFirst) {
    EXPECT_EQ(3, device.WriteRegister(0x26, 0x0020));
    WORD value = 0;
    EXPECT_EQ(2, device.ReadRegister(0x26, &value));
    EXPECT_EQ(0x0020, value);
    world.Advance(7000);
    EXPECT_EQ(2, device.ReadRegister(0x62, &value));
    EXPECT_EQ(0x0010, value);
    EXPECT_THAT(Wire(*converter),
                ElementsAre("40 10 94 00 00 00 | 26 20 00", "C0 11 95 00 26 01 | 20 00",
                            "C0 11 95 00 62 01 | 10 00"));
}

TEST_F(DeviceTransferTest, IndirectReadOfIndex18) {
    WORD value = 0;
    const DWORD before = world.Now();
    EXPECT_EQ(2, device.ReadIndirect(18, &value));
    EXPECT_EQ(1000, value);
    EXPECT_EQ(before + 5, world.Now()) << "one 5 ms sleep before the only poll";
    EXPECT_THAT(Wire(*converter),
                ElementsAre("40 10 94 00 00 00 | 78 12 01", "C0 11 95 00 78 01 | 00 00",
                            "C0 11 95 00 7A 01 | E8 03"));
}

TEST_F(DeviceTransferTest, IndirectReadPollsUntilReady) {
    converter->Chip().config.indirect_busy_polls = 3;
    WORD value = 0;
    device.ReadIndirect(25, &value);
    EXPECT_EQ(300, value);
    EXPECT_EQ(6u, converter->Traffic().size()) << "write, four polls, data";
}

TEST_F(DeviceTransferTest, IndirectReadTimesOutAfter600PollsWithoutReadingData) {
    converter->Chip().config.indirect_busy_polls = CHIP_POLLS_NEVER;
    const DWORD before = world.Now();
    WORD value = 0x5555;
    EXPECT_EQ(static_cast<DWORD>(ERROR_TIMEOUT),
              ThrownCode([&] { device.ReadIndirect(18, &value); }));
    EXPECT_EQ(0x5555, value);
    EXPECT_EQ(before + 600 * 5, world.Now());
    const std::vector<std::string> wire = Wire(*converter);
    ASSERT_EQ(601u, wire.size());
    EXPECT_EQ("C0 11 95 00 78 01 | 12 01", wire.back());
}

// A short register read: the status and reset requests go out before the exception, which
// carries the error the failed call left (a lost count with no error at all is reported as
// a device that is not functioning).
class ShortReadTest : public DeviceTransferTest,
                      public ::testing::WithParamInterface<std::pair<DWORD, DWORD>> {};

TEST_P(ShortReadTest, RecoversTheBusThenThrows) {
    converter->FailMatching(sim::RequestMatch::Any(REQ_BUS_READ), sim::Fault::Short(1));
    SetLastError(GetParam().first);
    WORD value = 0;
    EXPECT_EQ(GetParam().second, ThrownCode([&] { device.ReadRegister(0x62, &value); }));
    EXPECT_THAT(Wire(*converter), ElementsAre("C0 11 95 00 62 01 | 00", "C0 15 00 00 00 00 | 01",
                                              "40 14 00 00 00 00 | -"));
}

INSTANTIATE_TEST_SUITE_P(LastError, ShortReadTest,
                         ::testing::Values(std::pair<DWORD, DWORD>{1167, 1167},
                                           std::pair<DWORD, DWORD>{0, ERROR_GEN_FAILURE}),
                         [](const auto& info) {
                             return info.param.first == 0 ? std::string("NoErrorLeftGives31")
                                                          : std::string("ItsOwnError");
                         });

TEST_F(DeviceTransferTest, FailedWriteThrowsItsOwnErrorAfterRecovery) {
    converter->FailNthTransfer(1, sim::Fault::Error(ERROR_DEVICE_NOT_CONNECTED));
    EXPECT_EQ(static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED),
              ThrownCode([&] { device.WriteRegister(0x26, 1); }));
    EXPECT_THAT(Wire(*converter), ElementsAre("40 10 94 00 00 00 | 26 01 00 ! error 1167",
                                              "C0 15 00 00 00 00 | 01", "40 14 00 00 00 00 | -"));
}

TEST_F(DeviceTransferTest, FailingRecoveryLeavesWithItsOwnCode) {
    converter->FailNthTransfer(1, sim::Fault::Error(ERROR_GEN_FAILURE));
    converter->FailNthTransfer(2, sim::Fault::Error(ERROR_ACCESS_DENIED));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
              ThrownCode([&] { device.WriteRegister(0x26, 1); }));
    EXPECT_EQ(2u, converter->Traffic().size()) << "no reset after the failed status read";
}

TEST_F(DeviceTransferTest, AuxWriteAndItsFailureWithoutRecovery) {
    EXPECT_EQ(3, device.WriteAux(0x0C, 0x38, 0x38, 0x30));
    EXPECT_EQ(0x30, converter->Chip().aux[0x0C][2]);
    converter->FailMatching(sim::RequestMatch::Any(REQ_AUX_WRITE),
                            sim::Fault::Error(ERROR_GEN_FAILURE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_GEN_FAILURE),
              ThrownCode([&] { device.WriteAux(0x0C, 0x38, 0x38, 0x10); }));
    EXPECT_THAT(Wire(*converter), ElementsAre("40 60 0C 00 00 00 | 38 38 30",
                                              "40 60 0C 00 00 00 | 38 38 10 ! error 31"));
}

TEST_F(DeviceTransferTest, BusStatusAndResetAreSingleRequests) {
    EXPECT_EQ(0, device.RecoverBus());
    EXPECT_THAT(Wire(*converter), ElementsAre("C0 15 00 00 00 00 | 00", "40 14 00 00 00 00 | -"));
}

TEST_F(DeviceTransferTest, ClosedDeviceFailsLikeAnyTransfer) {
    device.Close();
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE),
              ThrownCode([&] { device.WriteRegister(0x26, 1); }));
}

struct DescriptorCase {
    WORD productId;
    DWORD replyLength;
    BOOL altModel;
};

std::ostream& operator<<(std::ostream& out, const DescriptorCase& c) {
    return out << "product " << c.productId << ", " << c.replyLength << " bytes";
}

class DescriptorTest : public DeviceTransferTest,
                       public ::testing::WithParamInterface<DescriptorCase> {};

TEST_P(DescriptorTest, ProductIdDecidesTheModel) {
    ChipConfig config = sim::MainModelConfig();
    config.product_id = GetParam().productId;
    config.descriptor_length = GetParam().replyLength;
    device.Close();
    world.Unplug(*converter);
    Attach(config);
    device.ReadDeviceDescriptor();
    EXPECT_EQ(GetParam().altModel, device.m_bAltModel);
}

INSTANTIATE_TEST_SUITE_P(
    Models, DescriptorTest,
    ::testing::Values(DescriptorCase{0xA002, 18, FALSE}, DescriptorCase{0xA003, 18, TRUE},
                      DescriptorCase{0x0000, 18, TRUE}, DescriptorCase{0xA002, 12, FALSE},
                      // too short to carry the product ID
                      DescriptorCase{0xA002, 11, TRUE}, DescriptorCase{0xA002, 0, TRUE}),
    [](const auto& info) {
        char name[32];
        std::snprintf(name, sizeof name, "Product%04X_%luBytes",
                      static_cast<unsigned>(info.param.productId),
                      static_cast<unsigned long>(info.param.replyLength));
        return std::string(name);
    });

TEST_F(DeviceTransferTest, FailingDescriptorRequestThrowsTheSystemError) {
    converter->FailNthTransfer(1, sim::Fault::Error(ERROR_GEN_FAILURE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_GEN_FAILURE),
              ThrownCode([&] { device.ReadDeviceDescriptor(); }));
}

} // namespace
