// Programming the scaler for desktop rectangles, previews, and following the screen.
#include "tests/model/doc_fixture.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::DocTest;
using testing_support::RegisterRead;
using testing_support::RegisterWrite;

// The traffic of the three indirect reads that precede every scaler programming.
std::vector<std::string> IndirectReads(WORD a, WORD b, WORD c) {
    std::vector<std::string> lines;
    for (const auto& [index, value] : {std::pair<BYTE, WORD>{18, a}, {25, b}, {27, c}}) {
        lines.push_back(RegisterWrite(0x78, static_cast<WORD>(0x0100 | index)));
        lines.push_back(RegisterRead(0x78, 0));
        lines.push_back(RegisterRead(0x7A, value));
    }
    return lines;
}

std::vector<std::string> ScalerWrites(WORD h, WORD v, WORD x, WORD start) {
    return {RegisterWrite(0x6C, h), RegisterWrite(0x6E, v), RegisterWrite(0x68, x),
            RegisterWrite(0x6A, start)};
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class DisplayAreaTest : public DocTest {
  protected:
    void SetUp() override {
        Attach();
        UseScreen(800, 600);
        doc.LoadSettings(); // the NTSC underscan preset: TV vertical size 412
        Open();
    }
};

TEST_F(DisplayAreaTest, HalfWidthAreaOn800x600) {
    RECT area{100, 50, 499, 549};
    EXPECT_EQ(1, doc.PreviewDisplayArea(&area));
    EXPECT_EQ(WireLog(), Concat(IndirectReads(1000, 300, 500), ScalerWrites(218, 210, 6, 50)));
    EXPECT_TRUE(doc.m_bPreview);
    EXPECT_TRUE(IsRectEmpty(&doc.m_rcDisplayArea)) << "a preview stores nothing";
}

TEST_F(DisplayAreaTest, ScaleWritesPauseFiftyMillisecondsBeforeTheStarts) {
    RECT area{100, 50, 499, 549};
    doc.PreviewDisplayArea(&area);
    const auto& traffic = converter->Traffic();
    ASSERT_EQ(13u, traffic.size());
    EXPECT_EQ(traffic[9].time, traffic[10].time) << "H and V together";
    EXPECT_EQ(traffic[10].time + 50, traffic[11].time) << "then the pause before X";
    EXPECT_EQ(traffic[11].time, traffic[12].time);
}

TEST_F(DisplayAreaTest, VerticalScaleIsLimitedToC) {
    RECT area{100, 50, 499, 349};
    doc.PreviewDisplayArea(&area);
    EXPECT_THAT(WireLog().at(10), RegisterWrite(0x6E, 500));
}

TEST_F(DisplayAreaTest, QuarterOn1024x768WithOtherMeasurements) {
    UseScreen(1024, 768);
    converter->Chip().indirect[25] = 330;
    converter->Chip().indirect[27] = 480;
    RECT area{256, 192, 767, 575};
    doc.PreviewDisplayArea(&area);
    EXPECT_EQ(WireLog(), Concat(IndirectReads(1000, 330, 480), ScalerWrites(185, 480, 12, 192)));
}

TEST_F(DisplayAreaTest, WholeScreenRectangleProgramsLikeAReset) {
    RECT area{0, 0, 799, 599};
    doc.PreviewDisplayArea(&area);
    EXPECT_EQ(WireLog(), Concat(IndirectReads(1000, 300, 500), ScalerWrites(0, 0, 0, 0)));
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.ResetDisplayArea());
    EXPECT_EQ(WireLog(), ScalerWrites(0, 0, 0, 0));
}

TEST_F(DisplayAreaTest, AreaPastTheEdgeIsClampedButStoredAsGiven) {
    RECT area{-50, -10, 900, 700};
    EXPECT_EQ(1, doc.SetDisplayArea(&area));
    EXPECT_EQ(WireLog(), Concat(IndirectReads(1000, 300, 500), ScalerWrites(0, 0, 0, 0)));
    EXPECT_EQ(-50, doc.m_rcDisplayArea.left);
    EXPECT_EQ(700, doc.m_rcDisplayArea.bottom);
    EXPECT_FALSE(doc.m_bPreview);
}

TEST_F(DisplayAreaTest, CancelPreviewRestoresTheStoredAreaUnlessItIsShowing) {
    RECT stored{100, 50, 499, 549};
    doc.SetDisplayArea(&stored);
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.CancelPreview(&stored)) << "nothing previewed";
    EXPECT_THAT(WireLog(), IsEmpty());

    RECT other{0, 0, 399, 299};
    doc.PreviewDisplayArea(&other);
    doc.PreviewDisplayArea(&stored);
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.CancelPreview(&stored));
    EXPECT_THAT(WireLog(), IsEmpty()) << "the stored area is what the TV shows";
    EXPECT_FALSE(doc.m_bPreview);

    doc.PreviewDisplayArea(&other);
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.CancelPreview(&other));
    EXPECT_EQ(WireLog(), Concat(IndirectReads(1000, 300, 500), ScalerWrites(218, 210, 6, 50)));
    EXPECT_FALSE(doc.m_bPreview);
}

TEST_F(DisplayAreaTest, CancelPreviewWithNoStoredAreaResetsTheScaler) {
    RECT other{0, 0, 399, 299};
    doc.PreviewDisplayArea(&other);
    converter->ClearTraffic();
    EXPECT_EQ(1, doc.CancelPreview(&other));
    EXPECT_EQ(WireLog(), ScalerWrites(0, 0, 0, 0));
}

TEST_F(DisplayAreaTest, ResolutionChangeRescalesTheStoredArea) {
    UseScreen(1024, 768);
    RECT stored{0, 0, 1023, 767};
    doc.SetDisplayArea(&stored);
    converter->ClearTraffic();
    doc.OnDisplayChange(800, 600);
    EXPECT_EQ(799, doc.m_rcDisplayArea.right);
    EXPECT_EQ(599, doc.m_rcDisplayArea.bottom);
    EXPECT_EQ(800, doc.m_cxScreen);
    EXPECT_EQ(WireLog(), Concat(IndirectReads(1000, 300, 500), ScalerWrites(0, 0, 0, 0)));
    EXPECT_TRUE(doc.m_bPreview);
}

TEST_F(DisplayAreaTest, ResolutionChangeWithTheWholeDesktopResets) {
    doc.OnDisplayChange(1280, 1024);
    EXPECT_EQ(WireLog(), ScalerWrites(0, 0, 0, 0));
    EXPECT_EQ(1280, doc.m_cxScreen);
    EXPECT_EQ(1024, doc.m_cyScreen);
}

TEST_F(DisplayAreaTest, ResolutionChangeFromAZeroSizeFallsBackToTheDesktop) {
    RECT stored{100, 50, 499, 549};
    doc.SetDisplayArea(&stored);
    doc.m_cxScreen = 0;
    converter->ClearTraffic();
    doc.OnDisplayChange(800, 600);
    EXPECT_TRUE(IsRectEmpty(&doc.m_rcDisplayArea));
    EXPECT_EQ(WireLog(), ScalerWrites(0, 0, 0, 0));
}

TEST_F(DisplayAreaTest, NewInputTimingReprogramsOnceAndIsAcknowledged) {
    RECT stored{100, 50, 499, 549};
    doc.SetDisplayArea(&stored);
    world.Advance(7000);
    chip_raise_new_timing(&converter->Chip());
    converter->ClearTraffic();
    doc.CheckOutputStatus();
    EXPECT_EQ(WireLog(),
              Concat({RegisterRead(0x62, 0x0018), RegisterWrite(0x60, 0x8008)},
                     Concat(IndirectReads(1000, 300, 500), ScalerWrites(218, 210, 6, 50))));
    converter->ClearTraffic();
    doc.CheckOutputStatus();
    EXPECT_THAT(WireLog(), ElementsAre(RegisterRead(0x62, 0x0010)));
    EXPECT_EQ(0x8000, doc.m_regs[REGIDX_CONTROL].m_wValue) << "the acknowledge is not kept";
}

TEST_F(DisplayAreaTest, TimerTickWithSuppressionBracketsTheStatusRead) {
    RECT stored{100, 50, 499, 549};
    doc.SetDisplayArea(&stored);
    doc.m_bSuppressStripe = TRUE;
    doc.m_suppression.SetActive(TRUE);
    converter->ClearTraffic();
    doc.CheckOutputStatus();
    EXPECT_THAT(WireLog(), ElementsAre(RegisterWrite(0x60, 0x8002), RegisterRead(0x62, 0x0000),
                                       RegisterWrite(0x60, 0x8000), RegisterRead(0x08, 0x0000),
                                       RegisterWrite(0x08, 0x0001)));
}

TEST_F(DisplayAreaTest, IndirectTimeoutIsReportedAndFails) {
    converter->Chip().config.indirect_busy_polls = CHIP_POLLS_NEVER;
    RECT area{100, 50, 499, 549};
    EXPECT_EQ(0, doc.PreviewDisplayArea(&area));
    EXPECT_THAT(Messages(),
                ElementsAre("This operation returned because the timeout period expired.\r\n"));
    EXPECT_FALSE(doc.m_bPreview);
}

TEST_F(DocTest, StatusCheckWithoutDeviceIsSilent) {
    doc.CheckOutputStatus();
    EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(DocTest, DisplayChangeWithoutDeviceReports) {
    doc.OnDisplayChange(800, 600);
    EXPECT_THAT(Messages(), ElementsAre("No devices are connected or working properly."));
    EXPECT_EQ(800, doc.m_cxScreen);
}

} // namespace
