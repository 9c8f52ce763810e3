// The Extension page: the video standard, the test pattern, the TV position presets and the
// arrows that repeat while held, and what Cancel and OK send back.
#include "tests/options/option_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::OptionSheetTest;
using testing_support::Wire;

constexpr int kExtensionTab = 1;
const int kArrows[] = {IDC_POSITION_UP, IDC_POSITION_LEFT, IDC_POSITION_RIGHT, IDC_POSITION_DOWN,
                       IDC_SIZE_UP,     IDC_SIZE_LEFT,     IDC_SIZE_RIGHT,     IDC_SIZE_DOWN};

class ExtensionPageTest : public OptionSheetTest {
  protected:
    void Arrange(int standard, RECT position) {
        Doc()->m_nVideoStandard = standard;
        Doc()->m_nTvPositionSize = 2;
        Doc()->m_rcTvPosition = position;
    }
    std::vector<bool> ArrowsEnabled() const {
        std::vector<bool> enabled;
        for (int id : kArrows) {
            enabled.push_back(Enabled(id));
        }
        return enabled;
    }
    static bool Pal(WORD output) { return (output & OUTPUT_PAL) != 0; }
};

TEST_F(ExtensionPageTest, PalStoredDisablesPedestalBoundsTheArrowsAndSendsNothing) {
    StartWithConverter();
    // Every value strictly inside the PAL bounds but the vertical size, at its smallest.
    Arrange(1, RECT{200, 30, 850, 496});
    std::vector<bool> arrows;
    bool pedestal = true;
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        pedestal = Enabled(IDC_PEDESTAL);
        arrows = ArrowsEnabled();
        EXPECT_THAT(Wire(*converter), IsEmpty()) << "opening the page sends nothing";
        Cancel();
    }});
    EXPECT_FALSE(pedestal);
    EXPECT_THAT(arrows, ElementsAre(true, true, true, true, false, true, true, true));
}

TEST_F(ExtensionPageTest, OutsideItsBoundTheArrowLeadingBackIsEnabledAndMovesByOne) {
    StartWithConverter();
    Arrange(0, RECT{160, 10, 700, 450}); // an NTSC vertical offset below its overscan bound
    std::vector<bool> arrows;
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        arrows = ArrowsEnabled();
        Click(IDC_POSITION_DOWN);
        Cancel();
    }});
    EXPECT_FALSE(arrows[0]) << "up would move it further out";
    EXPECT_TRUE(arrows[3]) << "down brings it back";
    EXPECT_EQ(11, Writes(REGIDX_TV_VOFFSET).front());
}

TEST_F(ExtensionPageTest, NtscClickedAgainWritesTheStandardAndTheUnderscanPreset) {
    StartWithConverter();
    Arrange(0, RECT{160, 30, 700, 450});
    bool underscan = false;
    std::vector<bool> arrows;
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        Click(IDC_NTSC);
        underscan = Checked(IDC_UNDERSCAN) && !Checked(IDC_ARRANGE);
        arrows = ArrowsEnabled();
        EXPECT_THAT(Writes(REGIDX_OUTPUT), ElementsAre(Doc()->m_regs[REGIDX_OUTPUT].m_wValue))
            << "the standard, though unchanged";
        EXPECT_FALSE(Pal(Writes(REGIDX_OUTPUT).front()));
        EXPECT_THAT(Writes(REGIDX_TV_HOFFSET), ElementsAre(178));
        EXPECT_THAT(Writes(REGIDX_TV_HSIZE), ElementsAre(658));
        Ok();
    }});
    EXPECT_TRUE(underscan);
    EXPECT_THAT(arrows, ElementsAre(false, false, false, false, false, false, false, false));
    EXPECT_EQ(0, Doc()->m_nTvPositionSize);
    const RECT underscanPreset{178, 38, 658, 412};
    EXPECT_TRUE(EqualRect(&underscanPreset, &Doc()->m_rcTvPosition));
}

TEST_F(ExtensionPageTest, HoldingWiderSpeedsUpStopsAtTheOverscanSizeAndDisablesItself) {
    StartWithConverter();
    Arrange(0, RECT{160, 30, 700, 450});
    bool enabledAfter = true;
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        world.input.HoldWindow(Control(IDC_SIZE_RIGHT), 2000);
        enabledAfter = Enabled(IDC_SIZE_RIGHT);
        Ok();
    }});
    EXPECT_THAT(Writes(REGIDX_TV_HSIZE), ElementsAre(701, 703, 706, 710, 714, 718, 720));
    EXPECT_FALSE(enabledAfter);
    EXPECT_EQ(720, Doc()->m_rcTvPosition.right) << "OK takes the arrangement";
}

TEST_F(ExtensionPageTest, AClickMovesByOneAndTheReleaseOfAHoldAddsOne) {
    StartWithConverter();
    Arrange(0, RECT{160, 30, 700, 450});
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        Click(IDC_POSITION_LEFT);
        world.input.HoldWindow(Control(IDC_POSITION_LEFT), 250);
        Cancel();
    }});
    // The click, one tick of the hold, its release; then Cancel's stored arrangement.
    EXPECT_THAT(Writes(REGIDX_TV_HOFFSET), ElementsAre(159, 158, 157, 160));
}

// The first switch-on shows what the list shows, "75% Color Bars", whatever type the
// converter held: the type goes out before the pattern.
TEST_F(ExtensionPageTest, TheTestPatternSwitchedOnShowsTheListedType) {
    StartWithConverter();
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        converter->ClearTraffic();
        Click(IDC_TEST_PATTERN);
        Cancel();
    }});
    const std::vector<std::string> wire = Wire(*converter);
    ASSERT_GE(wire.size(), 2u);
    EXPECT_EQ("40 10 94 00 00 00 | 66 00 03", wire[0]) << "type 3 first";
    EXPECT_EQ("40 10 94 00 00 00 | 60 04 80", wire[1]) << "then the pattern on";
}

TEST_F(ExtensionPageTest, TheTestPatternSwitchedOffSendsType3ThenOff) {
    StartWithConverter();
    int listAfter = -1;
    bool listEnabled = true;
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        Click(IDC_TEST_PATTERN);
        world.input.ChooseListItem(Control(IDC_TEST_PATTERN_TYPE), 5);
        Click(IDC_TEST_PATTERN);
        listAfter = Selection(IDC_TEST_PATTERN_TYPE);
        listEnabled = Enabled(IDC_TEST_PATTERN_TYPE);
        converter->ClearTraffic();
        Click(IDC_TEST_PATTERN);
        const std::vector<WORD> on = Writes(REGIDX_OUTPUT2);
        ASSERT_EQ(1u, on.size()) << "on again: the listed type is sent";
        EXPECT_EQ(3, (on[0] >> 8) & 0x7);
        Ok();
    }});
    EXPECT_EQ(2, listAfter);
    EXPECT_FALSE(listEnabled);
    // OK with the pattern on: type 3, then the pattern off.
    const std::vector<WORD> types = Writes(REGIDX_OUTPUT2);
    ASSERT_FALSE(types.empty());
    EXPECT_EQ(3, (types.back() >> 8) & 0x7);
    EXPECT_EQ(0, Writes(REGIDX_CONTROL).back() & CONTROL_TEST_PATTERN);
}

TEST_F(ExtensionPageTest, CancelAfterPalPutsBackNtscPedestalGainAndTheArrangement) {
    StartWithConverter();
    Arrange(0, RECT{160, 30, 700, 450});
    Doc()->m_bPedestal = TRUE;
    Doc()->m_bRgbGain = TRUE;
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        Click(IDC_PAL);
        Click(IDC_RGB_GAIN);
        converter->ClearTraffic();
        Cancel();
    }});
    const std::vector<WORD> output = Writes(REGIDX_OUTPUT);
    ASSERT_FALSE(output.empty());
    EXPECT_FALSE(Pal(output.back()));
    EXPECT_NE(0, output.back() & OUTPUT_PEDESTAL);
    EXPECT_NE(0, Writes(REGIDX_OUTPUT2).back() & OUTPUT2_RGB_GAIN);
    EXPECT_THAT(Writes(REGIDX_TV_HSIZE), ElementsAre(700));
    EXPECT_THAT(Writes(REGIDX_TV_VOFFSET), ElementsAre(30));
    EXPECT_EQ(0, Doc()->m_nVideoStandard);
}

TEST_F(ExtensionPageTest, StripeSuppressionIsSentNowhereWhileTheSheetIsOpen) {
    StartWithConverter();
    bool silent = false;
    RunSheet({[&](HWND) {
        ChooseTab(kExtensionTab);
        Click(IDC_SUPPRESS_STRIPE);
        silent = Wire(*converter).empty();
        Cancel();
    }});
    EXPECT_TRUE(silent);
    EXPECT_FALSE(Doc()->m_bSuppressStripe);
}

} // namespace
