// Opening the converter and applying the whole model; closing it for each reason.
#include "model/TvPresets.h"
#include "platform/sim/user32/user32_state.h"
#include "tests/model/doc_fixture.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using testing_support::DocTest;
using testing_support::RegisterRead;
using testing_support::RegisterWrite;

const BYTE kShadowAddresses[] = {0x60, 0x62, 0x64, 0x66, 0x68, 0x6A, 0x6C, 0x6E, 0x70, 0x72,
                                 0x74, 0x76, 0x78, 0x7A, 0x7C, 0x7E, 0x26, 0x28, 0x2A, 0x2E};

class ConnectionTest : public DocTest {
  protected:
    void SetUp() override {
        Attach();
        doc.LoadSettings();
    }
    std::size_t Count(const std::string& line) const {
        const auto wire = WireLog();
        return static_cast<std::size_t>(std::count(wire.begin(), wire.end(), line));
    }
};

TEST_F(ConnectionTest, StartUpOpenAppliesTheWholeModelInOrder) {
    EXPECT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
    std::vector<std::string> expected = {"descriptor | 12 01 10 01 00 00 00 40 00 00 02 A0 00 00 "
                                         "00 00 00 01"};
    for (BYTE address : kShadowAddresses) {
        expected.push_back(RegisterRead(address, 0));
    }
    for (const std::string& line :
         {RegisterWrite(0x26, 32), RegisterWrite(0x28, 0), RegisterWrite(0x2A, 0),
          RegisterWrite(0x2E, 32), RegisterWrite(0x60, 0x8000), RegisterWrite(0x64, 0x0000),
          RegisterWrite(0x64, 0x0000), RegisterWrite(0x64, 0x0000), RegisterWrite(0x64, 0x0080),
          RegisterWrite(0x66, 0x0000), RegisterWrite(0x7C, 178), RegisterWrite(0x7E, 38),
          RegisterWrite(0x74, 658), RegisterWrite(0x76, 412),
          std::string("40 60 0C 00 00 00 | 38 38 00"), RegisterWrite(0x6C, 0),
          RegisterWrite(0x6E, 0), RegisterWrite(0x68, 0), RegisterWrite(0x6A, 0)}) {
        expected.push_back(line);
    }
    EXPECT_EQ(expected, WireLog());
    EXPECT_EQ(1, doc.m_nOpenCount);
    EXPECT_EQ(1, doc.m_nInitCount);
    EXPECT_FALSE(doc.m_bPreview);
    EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(ConnectionTest, StoredAreaIsProgrammedAtOpen) {
    UseScreen(800, 600);
    doc.m_rcDisplayArea = RECT{100, 50, 499, 549};
    EXPECT_EQ(1, doc.OpenDevice(OPEN_ARRIVAL));
    const auto wire = WireLog();
    EXPECT_THAT(std::vector<std::string>(wire.end() - 4, wire.end()),
                ElementsAre(RegisterWrite(0x6C, 218), RegisterWrite(0x6E, 210),
                            RegisterWrite(0x68, 6), RegisterWrite(0x6A, 50)));
    EXPECT_FALSE(doc.m_bPreview) << "an open commits what it programmed";
}

TEST_F(ConnectionTest, SecondOpenSendsNothing) {
    ASSERT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
    converter->ClearTraffic();
    EXPECT_EQ(0, doc.OpenDevice(OPEN_ARRIVAL));
    EXPECT_THAT(WireLog(), IsEmpty());
}

TEST_F(ConnectionTest, ResumeAlsoSignalsTheControlRegisterOnce) {
    ASSERT_EQ(1, doc.OpenDevice(OPEN_RESUME));
    EXPECT_EQ(1u, Count(RegisterWrite(0x60, 0x0020)));
    EXPECT_EQ(0, doc.m_regs[REGIDX_CONTROL].m_wValue & 0x20) << "not kept in the shadow";
}

TEST_F(ConnectionTest, StartUpAndArrivalDoNotSignalResume) {
    ASSERT_EQ(1, doc.OpenDevice(OPEN_ARRIVAL));
    EXPECT_THAT(WireLog(), Not(Contains(RegisterWrite(0x60, 0x0020))));
}

TEST_F(ConnectionTest, PendingNewTimingIsAcknowledgedAtOpen) {
    chip_raise_new_timing(&converter->Chip());
    ASSERT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
    EXPECT_EQ(1u, Count(RegisterWrite(0x60, 0x0008)));
}

TEST_F(ConnectionTest, SuspendLeavesTheOutputOffAndTheNextOpenClearsIt) {
    ASSERT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.CloseDevice(CLOSE_SUSPEND));
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(0x64, 0x0098)));
    EXPECT_EQ(0x0098, converter->Register(0x64, world.Now()));
    EXPECT_EQ(nullptr, doc.m_pDevice);

    converter->ClearTraffic();
    ASSERT_EQ(1, doc.OpenDevice(OPEN_RESUME));
    const auto wire = WireLog();
    EXPECT_EQ(RegisterRead(0x64, 0x0098), wire.at(3));
    EXPECT_EQ(RegisterWrite(0x64, 0x0080), wire.at(22)) << "cleared right after the resume signal";
    EXPECT_EQ(0x0080, converter->Register(0x64, world.Now()));
}

TEST_F(ConnectionTest, OrdinaryCloseSendsNothingAndClosingTwiceIsHarmless) {
    ASSERT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.CloseDevice(CLOSE_NORMAL));
    EXPECT_THAT(WireLog(), IsEmpty());
    EXPECT_EQ(0, doc.CloseDevice(CLOSE_NORMAL));
    EXPECT_EQ(0, doc.m_nOpenCount);
    EXPECT_EQ(0, doc.m_nInitCount);
    CDevice other;
    EXPECT_NO_THROW(other.Open()) << "the handle was given back";
}

TEST_F(ConnectionTest, CloseResetsTheUpdateDepthAndSwallowsErrors) {
    doc.m_bSuppressStripe = TRUE;
    doc.m_suppression.SetActive(TRUE);
    ASSERT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
    doc.BeginUpdate();
    converter->FailMatching(sim::RequestMatch::Any(REQ_BUS_WRITE),
                            sim::Fault::Error(ERROR_DEVICE_NOT_CONNECTED));
    sim::User32().messageBoxes.clear();
    EXPECT_EQ(1, doc.CloseDevice(CLOSE_SUSPEND));
    EXPECT_EQ(0, doc.m_suppression.Depth());
    EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(ConnectionTest, NoConverterIsReportedOnceAndLeavesTheHalfOpenDeviceToClose) {
    world.Unplug(*converter);
    EXPECT_EQ(-1, doc.OpenDevice(OPEN_STARTUP));
    EXPECT_THAT(Messages(), ElementsAre("No devices are connected or working properly."));
    EXPECT_NE(nullptr, doc.m_pDevice);
    EXPECT_EQ(0, doc.m_nOpenCount);
    EXPECT_EQ(1, doc.CloseDevice(CLOSE_NORMAL));
    EXPECT_EQ(nullptr, doc.m_pDevice);
}

TEST_F(ConnectionTest, ConverterHeldElsewhereIsReportedAsBusy) {
    converter->HoldElsewhere(true);
    EXPECT_EQ(-1, doc.OpenDevice(OPEN_STARTUP));
    EXPECT_THAT(Messages(),
                ElementsAre("There are no available devices, because other processes or threads "
                            "have already obtained exclusive access to devices."));
}

// A failure at any one transfer of the open is reported exactly once and fails it.
class OpenFailureTest : public ConnectionTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(OpenFailureTest, AnyFailingTransferReportsOnceAndGivesMinusOne) {
    UseScreen(800, 600);
    doc.m_rcDisplayArea = RECT{100, 50, 499, 549};
    doc.m_bSuppressStripe = TRUE;
    doc.m_suppression.SetActive(TRUE);
    converter->FailNthTransfer(GetParam(), sim::Fault::Error(ERROR_GEN_FAILURE));
    EXPECT_EQ(-1, doc.OpenDevice(OPEN_RESUME));
    EXPECT_THAT(Messages(), ElementsAre("A device attached to the system is not functioning.\r\n"));
    EXPECT_EQ(1, doc.CloseDevice(CLOSE_NORMAL));
}

// Every transfer of that open: the descriptor, 20 reads, two control writes, 16 writes of the
// settings, 13 for the area, 6 output-ready polls and 3 closing the bracket. The count is
// pinned by the next test.
constexpr unsigned kTransfersOfSuppressedOpen = 60;
INSTANTIATE_TEST_SUITE_P(EveryTransfer, OpenFailureTest,
                         ::testing::Range(1u, kTransfersOfSuppressedOpen + 1),
                         [](const auto& info) { return "Transfer" + std::to_string(info.param); });

TEST_F(ConnectionTest, SuppressedOpenWaitsForTheOutputAndEndsWithSuppressionOn) {
    UseScreen(800, 600);
    doc.m_rcDisplayArea = RECT{100, 50, 499, 549};
    doc.m_bSuppressStripe = TRUE;
    doc.m_suppression.SetActive(TRUE);
    ASSERT_EQ(1, doc.OpenDevice(OPEN_RESUME));
    EXPECT_EQ(kTransfersOfSuppressedOpen, converter->Traffic().size());
    const auto wire = WireLog();
    EXPECT_THAT(std::vector<std::string>(wire.end() - 3, wire.end()),
                ElementsAre(RegisterWrite(0x60, 0x8000), RegisterRead(0x08, 0x0000),
                            RegisterWrite(0x08, 0x0001)));
    EXPECT_GE(world.Now(), 7000u) << "waited for the output";
    EXPECT_EQ(0, doc.m_suppression.Depth());
}

TEST_F(DocTest, FirstRunOnTheAlternativeModelTakesItsPalStandard) {
    ChipConfig config = sim::MainModelConfig();
    config.product_id = 0xA003;
    config.powers_up_in_pal = 1;
    Attach(config);
    doc.LoadSettings();
    app.m_bFirstRun = TRUE;
    ASSERT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
    EXPECT_EQ(1, doc.m_nVideoStandard);
    EXPECT_TRUE(EqualRect(&g_rcTvPalUnderscan, &doc.m_rcTvPosition));
    EXPECT_FALSE(app.m_bFirstRun);
    EXPECT_EQ(0x0880, converter->Register(0x64, world.Now())) << "PAL and pedestal";
    EXPECT_EQ(496, converter->Register(0x76, world.Now()));
}

struct FirstRunCase {
    WORD productId;
    BOOL firstRun;
};

class NoFirstRunRuleTest : public DocTest, public ::testing::WithParamInterface<FirstRunCase> {};

TEST_P(NoFirstRunRuleTest, StoredStandardIsKept) {
    ChipConfig config = sim::MainModelConfig();
    config.product_id = GetParam().productId;
    config.powers_up_in_pal = 1;
    Attach(config);
    doc.LoadSettings();
    app.m_bFirstRun = GetParam().firstRun;
    ASSERT_EQ(1, doc.OpenDevice(OPEN_STARTUP));
    EXPECT_EQ(0, doc.m_nVideoStandard);
    EXPECT_TRUE(EqualRect(&g_rcTvNtscUnderscan, &doc.m_rcTvPosition));
    EXPECT_EQ(GetParam().firstRun, app.m_bFirstRun);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoFirstRunRuleTest,
                         ::testing::Values(FirstRunCase{0xA002, TRUE}, FirstRunCase{0xA003, FALSE}),
                         [](const auto& info) {
                             return info.param.productId == 0xA002 ? std::string("MainModel")
                                                                   : std::string("OtherModel");
                         });

} // namespace
