// The sentence shown for each kind of device error code, in English and Japanese.
#include "device/DeviceErrorMessage.h"
#include "device/DeviceException.h"
#include "platform/sim/control/world.h"
#include "platform/sim/kernel32/kernel32_state.h"

#include <gtest/gtest.h>

namespace {

struct MessageCase {
    const char* name;
    DWORD code;
    const char* english;
    const char* japanese;
};

std::ostream& operator<<(std::ostream& out, const MessageCase& c) {
    return out << c.name;
}

const MessageCase kMessages[] = {
    {"NoDevice", DEVICE_ERROR_NO_DEVICE, "No devices are connected or working properly.",
     "デバイスが接続されていないか、または、正常に動作していません。"},
    {"Busy", DEVICE_ERROR_BUSY,
     "There are no available devices, because other processes or threads have already obtained "
     "exclusive access to devices.",
     "他のプロセスまたはスレッドがデバイスを排他的に使用しているため、利用可能なデバイスがありませ"
     "ん。"},
    {"UnknownOwnCode", 0x20070102,
     "An unknown device error occurred, error code = 537329922 (20070102).",
     "不明なデバイス エラーが発生しました、エラー コード = 537329922 (20070102)。"},
    {"SetupServicesCode", 0xE000020B,
     "An unknown device error occurred, error code = -536870389 (e000020b).",
     "不明なデバイス エラーが発生しました、エラー コード = -536870389 (e000020b)。"},
    {"SystemCodeUnmapped", ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n",
     "指定されたファイルが見つかりません。\r\n"},
    {"SystemCodeTimeout", ERROR_TIMEOUT,
     "This operation returned because the timeout period expired.\r\n",
     "タイムアウト期間が経過したため、この操作は終了しました。\r\n"},
    {"SystemCodeWithoutText", 61207, "An error occurred, error code = 61207 (0000ef17).",
     "エラーが発生しました、エラー コード = 61207 (0000ef17)。"},
};

class DeviceErrorMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(DeviceErrorMessageTest, English) {
    sim::World world;
    EXPECT_EQ(GetParam().english, DeviceErrorMessage(GetParam().code));
    EXPECT_EQ(0u, sim::Kernel32().localAllocations.size()) << "the system's buffer is freed";
}

TEST_P(DeviceErrorMessageTest, Japanese) {
    sim::World world;
    world.SetLanguage(sim::Language::Japanese);
    EXPECT_EQ(GetParam().japanese, DeviceErrorMessage(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(Codes, DeviceErrorMessageTest, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceException, CarriesItsCodeAndClass) {
    const CDeviceException e(DEVICE_ERROR_BUSY);
    EXPECT_EQ(DEVICE_ERROR_BUSY, e.m_dwError);
    EXPECT_STREQ("CDeviceException", e.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CException)));
}

} // namespace
