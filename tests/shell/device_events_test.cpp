// The converter coming and going while the program runs, and the power and display events.
#include "platform/sim/shell32/shell32_state.h"
#include "tests/shell/app_harness.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::AppTest;
using testing_support::RegisterWrite;
using testing_support::Wire;

std::size_t Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

TEST_F(AppTest, PluggingInOpensAppliesAndSaysSo) {
    ASSERT_TRUE(Start());
    sim::Shell32().tray.balloons.clear();
    sim::Converter& converter = world.Plug();
    EXPECT_NE(nullptr, Doc()->m_pDevice);
    EXPECT_EQ(IDI_TRAY_READY, sim::Shell32().tray.iconResource);
    EXPECT_THAT(Balloons(), ElementsAre("info: The device is connected, and available now."));
    EXPECT_EQ(RegisterWrite(0x6A, 0), Wire(converter).back());
}

TEST_F(AppTest, UnpluggingTheOpenConverterClosesItAndSaysSo) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    world.Unplug(converter);
    EXPECT_EQ(nullptr, Doc()->m_pDevice);
    EXPECT_EQ(IDI_TRAY_NODEVICE, sim::Shell32().tray.iconResource);
    EXPECT_THAT(Balloons(), ElementsAre("error: The device has been disconnected."));
    world.Plug(converter);
    EXPECT_NE(nullptr, Doc()->m_pDevice) << "and it comes back when plugged in again";
}

// A long session's balloons: the latest are kept, the oldest let go.
TEST_F(AppTest, ATrayThatHasShownManyBalloonsKeepsTheLatest) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    for (int i = 0; i < 100; ++i) {
        world.Unplug(converter);
        world.Plug(converter);
    }
    ASSERT_EQ(sim::TrayIcon::kBalloonsKept, Balloons().size());
    EXPECT_EQ("info: The device is connected, and available now.", Balloons().back());
}

TEST_F(AppTest, RemovingAnotherConverterChangesNothing) {
    world.Plug();
    ASSERT_TRUE(Start());
    sim::Converter& second = world.Plug();
    EXPECT_THAT(Balloons(), IsEmpty()) << "one converter is open already";
    world.Unplug(second);
    EXPECT_NE(nullptr, Doc()->m_pDevice);
    EXPECT_EQ(IDI_TRAY_READY, sim::Shell32().tray.iconResource);
    EXPECT_THAT(Balloons(), IsEmpty());
    EXPECT_THAT(Wire(second), IsEmpty());
}

TEST_F(AppTest, SuspendSwitchesTheOutputOffAndResumeAppliesEverythingAgain) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    world.Suspend();
    EXPECT_THAT(Wire(converter), ElementsAre(RegisterWrite(0x64, 0x0098)));
    EXPECT_EQ(IDI_TRAY_NODEVICE, sim::Shell32().tray.iconResource);
    EXPECT_EQ(nullptr, Doc()->m_pDevice);

    converter.ClearTraffic();
    world.Resume();
    const auto wire = Wire(converter);
    EXPECT_EQ(1u, Count(wire, RegisterWrite(0x60, 0x0020)));
    EXPECT_EQ(RegisterWrite(0x6A, 0), wire.back());
    EXPECT_EQ(IDI_TRAY_READY, sim::Shell32().tray.iconResource);
    EXPECT_THAT(Balloons(), ElementsAre("info: The device is connected, and available now."));
}

// Nobody at the machine: Windows says only that it woke, and the converter is opened again
// all the same, once.
TEST_F(AppTest, AWakeWithNobodyThereReopensTheConverterOnce) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    world.Suspend();
    converter.ClearTraffic();
    sim::Shell32().tray.balloons.clear();
    world.Resume(false);
    EXPECT_EQ(1u, Count(Wire(converter), RegisterWrite(0x60, 0x0020)));
    EXPECT_NE(nullptr, Doc()->m_pDevice);
    EXPECT_THAT(Balloons(), ElementsAre("info: The device is connected, and available now."));
}

TEST_F(AppTest, ResumeWithoutAConverterLeavesItClosed) {
    ASSERT_TRUE(Start());
    sim::Shell32().tray.balloons.clear();
    world.Suspend();
    world.Resume();
    EXPECT_EQ(nullptr, Doc()->m_pDevice);
    EXPECT_THAT(Balloons(), ElementsAre("error: No devices are connected or working properly."));
}

TEST_F(AppTest, DisplayChangeRefitsTheFrameAndTellsTheDocument) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    world.ChangeDisplay(800, 600);
    POINT origin{0, 0};
    ClientToScreen(Frame()->m_hWnd, &origin);
    RECT client{};
    GetClientRect(Frame()->m_hWnd, &client);
    EXPECT_EQ(-2, origin.x);
    EXPECT_EQ(800 + 4, client.right);
    EXPECT_EQ(600 + 4, client.bottom);
    EXPECT_EQ(800, Doc()->m_cxScreen);
    EXPECT_EQ(600, Doc()->m_cyScreen);
    EXPECT_EQ(RegisterWrite(0x6A, 0), Wire(converter).back());
}

class UnhandledPowerEventTest : public AppTest, public ::testing::WithParamInterface<WPARAM> {};

TEST_P(UnhandledPowerEventTest, GoesToTheDefaultProcedure) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    EXPECT_EQ(TRUE, SendMessageA(Frame()->m_hWnd, WM_POWERBROADCAST, GetParam(), 0));
    EXPECT_NE(nullptr, Doc()->m_pDevice);
    EXPECT_THAT(Wire(converter), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Events, UnhandledPowerEventTest,
                         ::testing::Values(PBT_APMQUERYSUSPEND, PBT_APMPOWERSTATUSCHANGE),
                         [](const auto& info) {
                             return info.param == PBT_APMQUERYSUSPEND ? std::string("QuerySuspend")
                                                                      : std::string("PowerStatus");
                         });

TEST_F(AppTest, StatusTimerAcknowledgesANewInputTiming) {
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    chip_raise_new_timing(&converter.Chip());
    world.RunFor(1000);
    EXPECT_EQ(0, converter.Register(0x62, world.Now()) & 0x08);
}

} // namespace

namespace {

// 49.7 days after boot the tick count wraps to 0, as Windows' does; time goes on, and so do
// the status poll and the converter.
TEST_F(AppTest, TheTickCountWrapsAndTheProgramGoesOn) {
    world.Advance(0xFFFFFFFFu - 3000);
    sim::Converter& converter = world.Plug();
    ASSERT_TRUE(Start());
    converter.ClearTraffic();
    world.RunFor(10000);
    EXPECT_LT(GetTickCount(), 10000u) << "wrapped";
    std::size_t afterTheWrap = 0;
    for (const sim::Transfer& transfer : converter.Traffic()) {
        afterTheWrap += transfer.time < 10000 ? 1 : 0;
    }
    EXPECT_GE(afterTheWrap, 6u) << "the status poll goes on every second";
    EXPECT_TRUE(converter.OutputReady(world.Now()));
}

} // namespace
