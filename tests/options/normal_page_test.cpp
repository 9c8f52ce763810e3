// The Normal page: its sliders send every move at once, Default and Restore send the whole
// picture, Cancel puts the converter back and OK hands the values to the model.
#include "platform/sim/comctl32/comctl32.h"
#include "tests/options/option_harness.h"

#include <gmock/gmock.h>

namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;
using testing_support::OptionSheetTest;
using testing_support::Wire;

class NormalPageTest : public OptionSheetTest {
  protected:
    // A picture away from every factory value.
    void StoreOwnPicture() {
        CMrgDoc* doc = Doc();
        doc->m_nContrast = 40;
        doc->m_nBrightness = -20;
        doc->m_nSharpness = 5;
        doc->m_nSaturation = 50;
        doc->m_nFlickerFilter = 3;
        doc->m_bLuminanceFilter = TRUE;
        doc->m_bChromaFilter = TRUE;
        doc->m_nAspectRatio = 1;
    }
};

TEST_F(NormalPageTest, WithoutAConverterOnlyTheShortcutKeyPageIsThere) {
    ASSERT_TRUE(Start());
    std::vector<std::string> tabs;
    RunSheet({[&](HWND) {
        tabs = TabNames();
        Cancel();
    }});
    EXPECT_THAT(tabs, ElementsAre("Shortcut Key"));
}

TEST_F(NormalPageTest, WithAConverterTheSheetOpensOnNormal) {
    StartWithConverter();
    std::vector<std::string> tabs;
    int contrast = -1;
    RunSheet({[&](HWND) {
        tabs = TabNames();
        contrast = Position(IDC_CONTRAST);
        Cancel();
    }});
    EXPECT_THAT(tabs, ElementsAre("Normal", "Extension", "Shortcut Key"));
    EXPECT_EQ(32, contrast) << "the sliders show the model";
}

// A stored aspect ratio no button shows is kept by an OK that touched nothing, as the other
// pages keep what their controls cannot show.
TEST_F(NormalPageTest, OkKeepsAStoredAspectRatioNoButtonShows) {
    StartWithConverter();
    Doc()->m_nAspectRatio = 5;
    RunSheet({[&](HWND) { Ok(); }});
    EXPECT_EQ(0, Exit());
    EXPECT_EQ(5u, Stored("Selection", "AspectRatio"));
}

TEST_F(NormalPageTest, EveryNotificationOfADraggedSliderSendsItsPosition) {
    StartWithConverter();
    int shown = -1;
    RunSheet({[&](HWND) {
        world.input.DragThumb(Control(IDC_CONTRAST), 45);
        shown = Position(IDC_CONTRAST);
        Cancel();
    }});
    EXPECT_EQ(45, shown);
    // Tracked, let go, ended, and ended again as the capture goes; then Cancel's restore.
    EXPECT_THAT(Writes(REGIDX_CONTRAST), ElementsAre(45, 45, 45, 45, 32));
    EXPECT_EQ(32, Doc()->m_nContrast) << "the model is not touched";
}

// The screen shows the sheet as the user sees it: the slider's thumb where it was dragged.
TEST_F(NormalPageTest, TheScreenShowsTheThumbWhereItWasDragged) {
    StartWithConverter();
    const auto thumbEdgeAt = [&](int position) {
        RECT bar{};
        GetWindowRect(Control(IDC_CONTRAST), &bar);
        const int x = bar.left + sim::TrackbarThumbCentreFor(Control(IDC_CONTRAST), position);
        return world.RepaintedScreen().Picture().At(x - 4, (bar.top + bar.bottom) / 2) == 0x404040u;
    };
    bool atStart = false;
    bool atEnd = false;
    bool leftStart = true;
    RunSheet({[&](HWND) {
        world.input.DragThumb(Control(IDC_CONTRAST), 0);
        atStart = thumbEdgeAt(0);
        world.input.DragThumb(Control(IDC_CONTRAST), 63);
        atEnd = thumbEdgeAt(63);
        leftStart = thumbEdgeAt(0);
        Cancel();
    }});
    EXPECT_TRUE(atStart);
    EXPECT_TRUE(atEnd);
    EXPECT_FALSE(leftStart) << "and no longer where it was";
}

TEST_F(NormalPageTest, BrightnessAtItsMinimumSendsMinus128) {
    StartWithConverter();
    RunSheet({[&](HWND) {
        world.input.DragThumb(Control(IDC_BRIGHTNESS), -128);
        converter->ClearTraffic();
        SetFocus(Control(IDC_BRIGHTNESS));
        world.input.TypeKey(VK_END);
        world.input.TypeKey(VK_HOME);
        EXPECT_THAT(Writes(REGIDX_BRIGHTNESS), ElementsAre(127, 127, 0xFF80, 0xFF80))
            << "End and Home: the step and the key's release";
        Cancel();
    }});
}

TEST_F(NormalPageTest, DefaultThenCancelSendsTheFactoryPictureThenTheModelsAgain) {
    StartWithConverter();
    StoreOwnPicture();
    RunSheet({[&](HWND) { Click(IDC_DEFAULT); }, [&](HWND) { Cancel(); }});
    EXPECT_THAT(Writes(REGIDX_CONTRAST), ElementsAre(32, 40));
    EXPECT_THAT(Writes(REGIDX_BRIGHTNESS), ElementsAre(0, static_cast<WORD>(-20)));
    EXPECT_THAT(Writes(REGIDX_SHARPNESS), ElementsAre(0, 5));
    EXPECT_THAT(Writes(REGIDX_SATURATION), ElementsAre(32, 50));
    EXPECT_EQ(40, Doc()->m_nContrast);
    EXPECT_EQ(1, Doc()->m_nAspectRatio);
    EXPECT_EQ(3, Doc()->m_nFlickerFilter);
}

TEST_F(NormalPageTest, DefaultThenOkGivesTheModelTheFactoryPicture) {
    StartWithConverter();
    StoreOwnPicture();
    RunSheet({[&](HWND) { Click(IDC_DEFAULT); }, [&](HWND) { Ok(); }});
    const CMrgDoc& doc = *Doc();
    EXPECT_EQ(32, doc.m_nContrast);
    EXPECT_EQ(0, doc.m_nBrightness);
    EXPECT_EQ(0, doc.m_nSharpness);
    EXPECT_EQ(32, doc.m_nSaturation);
    EXPECT_EQ(8, doc.m_nFlickerFilter);
    EXPECT_FALSE(doc.m_bLuminanceFilter);
    EXPECT_FALSE(doc.m_bChromaFilter);
    EXPECT_EQ(0, doc.m_nAspectRatio);
}

// OK keeps what it commits at once, as the exit keeps it: a crash later loses nothing.
TEST_F(NormalPageTest, OkWritesTheRegistryAtOnce) {
    StartWithConverter();
    RunSheet({[&](HWND) {
        world.input.DragThumb(Control(IDC_CONTRAST), 45);
        Ok();
    }});
    EXPECT_EQ(45u, Stored("Device", "Contrast"));
    Exit();
    EXPECT_EQ(45u, Stored("Device", "Contrast"));
}

TEST_F(NormalPageTest, AspectRatioIsSentNowhereAndCancelKeepsTheModels) {
    StartWithConverter();
    bool silent = false;
    RunSheet({[&](HWND) {
        Click(IDC_ASPECT_16_9);
        silent = Wire(*converter).empty();
        Cancel();
    }});
    EXPECT_TRUE(silent);
    EXPECT_EQ(0, Doc()->m_nAspectRatio);
}

TEST_F(NormalPageTest, AStoredAspectRatioOutsideTheGroupChecksNoneAndRestoreLeavesThemBe) {
    StartWithConverter();
    Doc()->m_nAspectRatio = 7;
    std::vector<bool> atOpen, afterRestore;
    RunSheet({[&](HWND) {
        atOpen = {Checked(IDC_ASPECT_4_3), Checked(IDC_ASPECT_16_9), Checked(IDC_ASPECT_CUSTOM)};
        Click(IDC_ASPECT_CUSTOM);
        Click(IDC_RESTORE);
        afterRestore = {Checked(IDC_ASPECT_4_3), Checked(IDC_ASPECT_16_9),
                        Checked(IDC_ASPECT_CUSTOM)};
        Cancel();
    }});
    EXPECT_THAT(atOpen, ElementsAre(false, false, false));
    EXPECT_THAT(afterRestore, ElementsAre(false, false, true));
    EXPECT_EQ(7, Doc()->m_nAspectRatio);
}

TEST_F(NormalPageTest, TheFiltersAreSentAsTheirBoxesTurnOver) {
    StartWithConverter();
    RunSheet({[&](HWND) {
        Click(IDC_LUMINANCE_FILTER);
        Click(IDC_CHROMA_FILTER);
        Click(IDC_LUMINANCE_FILTER);
        Ok();
    }});
    const std::vector<WORD> output = Writes(REGIDX_OUTPUT);
    ASSERT_THAT(output, SizeIs(3));
    EXPECT_NE(0, output[0] & OUTPUT_LUMINANCE_FILTER);
    EXPECT_NE(0, output[1] & OUTPUT_CHROMA_FILTER);
    EXPECT_EQ(0, output[2] & OUTPUT_LUMINANCE_FILTER);
    EXPECT_FALSE(Doc()->m_bLuminanceFilter);
    EXPECT_TRUE(Doc()->m_bChromaFilter);
}

} // namespace
