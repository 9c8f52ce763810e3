// The named setters' bit arithmetic, the update bracket and suppression, on the wire.
#include "platform/sim/user32/user32_state.h"
#include "tests/model/doc_fixture.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::DocTest;
using testing_support::RegisterRead;
using testing_support::RegisterWrite;

struct SetterCase {
    const char* name;
    int index;
    WORD before;
    std::function<int(CMrgDoc&)> set;
    BYTE reg;
    WORD written;
};

std::ostream& operator<<(std::ostream& out, const SetterCase& c) {
    return out << c.name;
}

const SetterCase kSetterCases[] = {
    {"FlickerLevel8KeepsSuppressionBit", REGIDX_CONTROL, 0x0002,
     [](CMrgDoc& d) { return d.SetFlickerFilter(8); }, 0x60, 0x8002},
    {"FlickerLevel0KeepsLowBits", REGIDX_CONTROL, 0xF006,
     [](CMrgDoc& d) { return d.SetFlickerFilter(0); }, 0x60, 0x0006},
    {"FlickerAbove15LosesItsHighBits", REGIDX_CONTROL, 0x0000,
     [](CMrgDoc& d) { return d.SetFlickerFilter(0x13); }, 0x60, 0x3000},
    {"TestPatternOn", REGIDX_CONTROL, 0x8000, [](CMrgDoc& d) { return d.SetTestPattern(TRUE); },
     0x60, 0x8004},
    {"PalAddsBit11", REGIDX_OUTPUT, 0x00A0, [](CMrgDoc& d) { return d.SetVideoStandard(1); }, 0x64,
     0x08A0},
    {"NtscClearsBit11", REGIDX_OUTPUT, 0x08A0, [](CMrgDoc& d) { return d.SetVideoStandard(0); },
     0x64, 0x00A0},
    {"LuminanceFilterOff", REGIDX_OUTPUT, 0x00E0,
     [](CMrgDoc& d) { return d.SetLuminanceFilter(FALSE); }, 0x64, 0x00C0},
    {"ChromaFilterOn", REGIDX_OUTPUT, 0x0000, [](CMrgDoc& d) { return d.SetChromaFilter(TRUE); },
     0x64, 0x0040},
    {"PedestalOff", REGIDX_OUTPUT, 0x0880, [](CMrgDoc& d) { return d.SetPedestal(FALSE); }, 0x64,
     0x0800},
    {"RgbGainOn", REGIDX_OUTPUT2, 0x0300, [](CMrgDoc& d) { return d.SetRgbGain(TRUE); }, 0x66,
     0x0302},
    {"PatternType3", REGIDX_OUTPUT2, 0x0702, [](CMrgDoc& d) { return d.SetTestPatternType(3); },
     0x66, 0x0302},
    {"PatternTypeAbove7ReachesHighBits", REGIDX_OUTPUT2, 0x0000,
     [](CMrgDoc& d) { return d.SetTestPatternType(9); }, 0x66, 0x0900},
    {"BrightnessMinusOne", REGIDX_BRIGHTNESS, 0x0000,
     [](CMrgDoc& d) { return d.SetRegister(17, -1); }, 0x28, 0xFFFF},
    {"ContrastKeepsLow16Bits", REGIDX_CONTRAST, 0x0000,
     [](CMrgDoc& d) { return d.SetRegister(16, 0x10020); }, 0x26, 0x0020},
};

class SetterTest : public DocTest, public ::testing::WithParamInterface<SetterCase> {};

TEST_P(SetterTest, WritesTheNewValueAndKeepsItInTheShadow) {
    Attach();
    Open();
    const SetterCase& c = GetParam();
    doc.m_regs[c.index].m_wValue = c.before;
    EXPECT_EQ(1, c.set(doc));
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(c.reg, c.written)));
    EXPECT_EQ(c.written, doc.m_regs[c.index].m_wValue);
}

INSTANTIATE_TEST_SUITE_P(Bits, SetterTest, ::testing::ValuesIn(kSetterCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocTest, TvPositionGoesOutInOneBracketOffsetsFirst) {
    Attach();
    Open();
    EXPECT_EQ(1, doc.SetTvPositionSize(RECT{230, 44, 820, 496}));
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(0x7C, 230), RegisterWrite(0x7E, 44),
                                       RegisterWrite(0x74, 820), RegisterWrite(0x76, 496)));
    EXPECT_EQ(0, doc.m_rcTvPosition.left) << "the model changes only on OK";
}

TEST_F(DocTest, ExternalOutputIsOneAuxWrite) {
    Attach();
    Open();
    EXPECT_EQ(1, doc.SetExternalOutput(0x30));
    EXPECT_THAT(WireLog(), ElementsAre("40 60 0C 00 00 00 | 38 38 30"));
}

// Suppression enabled and active, with a scaled area on the converter.
class BracketTest : public DocTest {
  protected:
    void SetUp() override {
        Attach();
        UseScreen(800, 600);
        doc.m_rcDisplayArea = RECT{100, 50, 499, 549};
        doc.m_bSuppressStripe = TRUE;
        doc.m_suppression.SetActive(TRUE);
        Open();
        ASSERT_EQ(0, doc.m_regs[REGIDX_CONTROL].m_wValue & 0x02);
    }
};

TEST_F(BracketTest, OneSetterSwitchesSuppressionOffAndOnAround) {
    converter->Chip().regs[0x08] = 0x0004;
    EXPECT_EQ(1, doc.SetRegister(16, 40));
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(0x60, 0x8002), RegisterWrite(0x26, 40),
                                       RegisterWrite(0x60, 0x8000), RegisterRead(0x08, 0x0004),
                                       RegisterWrite(0x08, 0x0005)));
}

TEST_F(BracketTest, SuppressionAlreadyOnIsNotWrittenAgain) {
    EXPECT_EQ(1, doc.SetRegister(16, 40));
    EXPECT_EQ(RegisterRead(0x08, 0x0001), WireLog().back());
}

TEST_F(BracketTest, IndexZeroSetterBuildsItsValueBeforeTheBracket) {
    EXPECT_EQ(1, doc.SetFlickerFilter(4));
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(0x60, 0x8002), RegisterWrite(0x60, 0x4000),
                                       RegisterWrite(0x60, 0x4000), RegisterRead(0x08, 0x0001)));
}

TEST_F(BracketTest, NestedBracketsToggleOnlyAtTheOutermostLevel) {
    doc.BeginUpdate();
    EXPECT_EQ(1, doc.SetRegister(16, 1));
    EXPECT_EQ(1, doc.SetRegister(18, 2));
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(0x60, 0x8002), RegisterWrite(0x26, 1),
                                       RegisterWrite(0x2A, 2)));
    doc.EndUpdate();
    EXPECT_EQ(RegisterWrite(0x60, 0x8000), WireLog().at(3));
    EXPECT_EQ(0, doc.m_suppression.Depth());
}

// A transfer failing inside one bracket does not leave every later bracket with suppression
// out of force.
TEST_F(BracketTest, AFailedBracketIsUnwoundAndTheNextEndsInForce) {
    converter->FailNthTransfer(2, sim::Fault::Error(ERROR_GEN_FAILURE));
    EXPECT_EQ(0, doc.SetRegister(16, 40));
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.SetRegister(18, 2));
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(0x2A, 2), RegisterWrite(0x60, 0x8000),
                                       RegisterRead(0x08, 0x0001)));
}

// An open bracket whose beginning failed is ended without going below the outermost level.
TEST_F(BracketTest, AnEndAfterAFailedBeginningEndsInForce) {
    converter->FailNthTransfer(1, sim::Fault::Error(ERROR_GEN_FAILURE));
    EXPECT_EQ(0, doc.BeginDeviceUpdate());
    EXPECT_EQ(1, doc.EndDeviceUpdate());
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.SetRegister(18, 2));
    EXPECT_EQ(RegisterWrite(0x60, 0x8000), WireLog().at(2));
}

TEST_F(BracketTest, FullScreenLeavesSuppressionOff) {
    EXPECT_EQ(1, doc.ResetDisplayArea());
    EXPECT_EQ(1, doc.SetRegister(16, 40));
    EXPECT_EQ(RegisterWrite(0x26, 40), WireLog().back());
    EXPECT_EQ(0x02, doc.m_regs[REGIDX_CONTROL].m_wValue & 0x02);
}

TEST_F(BracketTest, InactiveSuppressionLeavesTheBracketSilent) {
    doc.m_suppression.SetActive(FALSE);
    EXPECT_EQ(1, doc.SetRegister(16, 40));
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(0x26, 40)));
}

TEST_F(BracketTest, StopSuppressionClearsRegister8ThenSetsTheControlBit) {
    EXPECT_EQ(1, doc.StopSuppression());
    EXPECT_THAT(WireLog(), ElementsAre(RegisterRead(0x08, 0x0001), RegisterWrite(0x08, 0x0000),
                                       RegisterWrite(0x60, 0x8002)));
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.StopSuppression());
    EXPECT_THAT(WireLog(), IsEmpty()) << "already stopped";
}

TEST_F(DocTest, StopSuppressionAlreadyStoppedNeedsNoDevice) {
    doc.m_regs[REGIDX_CONTROL].m_wValue = 0x0002;
    EXPECT_EQ(1, doc.StopSuppression());
    EXPECT_THAT(Messages(), IsEmpty());
}

// Without a device every operation says so once and fails.
const std::pair<const char*, std::function<int(CMrgDoc&)>> kNeedDevice[] = {
    {"SetRegister", [](CMrgDoc& d) { return d.SetRegister(16, 1); }},
    {"SetFlickerFilter", [](CMrgDoc& d) { return d.SetFlickerFilter(1); }},
    {"SetTestPattern", [](CMrgDoc& d) { return d.SetTestPattern(TRUE); }},
    {"SetLuminanceFilter", [](CMrgDoc& d) { return d.SetLuminanceFilter(TRUE); }},
    {"SetChromaFilter", [](CMrgDoc& d) { return d.SetChromaFilter(TRUE); }},
    {"SetPedestal", [](CMrgDoc& d) { return d.SetPedestal(TRUE); }},
    {"SetVideoStandard", [](CMrgDoc& d) { return d.SetVideoStandard(1); }},
    {"SetRgbGain", [](CMrgDoc& d) { return d.SetRgbGain(TRUE); }},
    {"SetTestPatternType", [](CMrgDoc& d) { return d.SetTestPatternType(2); }},
    {"SetTvPositionSize",
     [](CMrgDoc& d) {
         return d.SetTvPositionSize(RECT{1, 2, 3, 4});
     }},
    {"SetExternalOutput", [](CMrgDoc& d) { return d.SetExternalOutput(0x20); }},
    {"BeginDeviceUpdate", [](CMrgDoc& d) { return d.BeginDeviceUpdate(); }},
    {"EndDeviceUpdate", [](CMrgDoc& d) { return d.EndDeviceUpdate(); }},
    {"StopSuppression", [](CMrgDoc& d) { return d.StopSuppression(); }},
    {"ResetDisplayArea", [](CMrgDoc& d) { return d.ResetDisplayArea(); }},
    {"PreviewDisplayArea",
     [](CMrgDoc& d) {
         RECT r{0, 0, 10, 10};
         return d.PreviewDisplayArea(&r);
     }},
    {"SetDisplayArea",
     [](CMrgDoc& d) {
         RECT r{0, 0, 10, 10};
         return d.SetDisplayArea(&r);
     }},
};

class NoDeviceTest : public DocTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(NoDeviceTest, ReportsNoDeviceOnceAndFails) {
    EXPECT_EQ(0, kNeedDevice[GetParam()].second(doc));
    EXPECT_THAT(Messages(), ElementsAre("No devices are connected or working properly."));
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), sim::User32().messageBoxes.at(0).type);
    EXPECT_EQ("Corvane", sim::User32().messageBoxes.at(0).caption);
}

INSTANTIATE_TEST_SUITE_P(Operations, NoDeviceTest,
                         ::testing::Range<std::size_t>(0, std::size(kNeedDevice)),
                         [](const auto& info) {
                             return std::string(kNeedDevice[info.param].first);
                         });

TEST_F(DocTest, FailedTransferIsReportedAndTheShadowKeepsTheNewValue) {
    Attach();
    Open();
    converter->FailNthTransfer(1, sim::Fault::Error(ERROR_DEVICE_NOT_CONNECTED));
    EXPECT_EQ(0, doc.SetRegister(16, 50));
    EXPECT_THAT(Messages(), ElementsAre("The device is not connected.\r\n"));
    EXPECT_EQ(50, doc.m_regs[REGIDX_CONTRAST].m_wValue);
}

TEST_F(DocTest, WaitForOutputReadyPollsEverySecondThenWaitsOneMore) {
    ChipConfig config = sim::MainModelConfig();
    config.output_ready_delay_ms = 2500;
    Attach(config);
    Open();
    const DWORD start = world.Now() - converter->Chip().powered_up_at_ms;
    ASSERT_LT(start, 1000u) << "opening took under a second";
    const DWORD before = world.Now();
    doc.WaitForOutputReady();
    EXPECT_EQ(before + 4000, world.Now()) << "three polls, ready at the third, then a second";
    EXPECT_EQ(3u, converter->Traffic().size());
}

TEST_F(DocTest, WaitForOutputReadyGivesUpAfterSevenSeconds) {
    ChipConfig config = sim::MainModelConfig();
    config.output_ready_delay_ms = 60000;
    Attach(config);
    Open();
    const DWORD before = world.Now();
    doc.WaitForOutputReady();
    EXPECT_EQ(before + 7000, world.Now());
    EXPECT_EQ(6u, converter->Traffic().size());
    EXPECT_THAT(Messages(), IsEmpty());
}

} // namespace
