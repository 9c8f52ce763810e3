// Stored values are used as they are, without a range check: every setting at the edges of a
// 32-bit integer, through start-up, the view's modes and exit. The sanitizer run makes any
// undefined arithmetic on the way fail this test.
#include "tests/view/view_harness.h"

#include <climits>

namespace {

using testing_support::ViewTest;

const char* const kDeviceValues[] = {"Contrast",
                                     "Brightness",
                                     "Sharpness",
                                     "Saturation",
                                     "FlickerFilter",
                                     "LuminanceFilter",
                                     "ChromaFilter",
                                     "VideoStandard",
                                     "Pedestal",
                                     "RgbGain",
                                     "TvPositionSize",
                                     "TvHorizontalOffset",
                                     "TvVerticalOffset",
                                     "TvHorizontalSize",
                                     "TvVerticalSize",
                                     "ExternalOutput",
                                     "SuppressVerticalStripePattern",
                                     "AspectRatio"};
const char* const kSelectionValues[] = {"Left", "Top", "Right", "Bottom", "AspectRatio"};

class ExtremeSettingsTest : public ViewTest, public ::testing::WithParamInterface<int> {};

TEST_P(ExtremeSettingsTest, StartUseAndExitWithoutUndefinedArithmetic) {
    const DWORD value = static_cast<DWORD>(GetParam());
    for (const char* name : kDeviceValues) {
        Store("Device", name, value);
    }
    for (const char* name : kSelectionValues) {
        Store("Selection", name, value);
    }
    Store("Selection", "HorizontalResolution", 1024);
    Store("Selection", "VerticalResolution", 768);
    StartWithConverter();
    // The flicker level's low four bits, and nothing else, reach bits 12 to 15.
    EXPECT_EQ((value & 0xF) << 12, converter->Register(0x60, world.Now()) & 0xF000u);
    for (const UINT mode : {ID_MOUSE_TRACE_MODE1, ID_MOUSE_TRACE_MODE3}) {
        user.Choose(mode);
        world.input.ClickTrayIcon(sim::MouseButton::Left);
        world.input.MoveMouse(5, 5);
        world.RunFor(40);
    }
    Choose(ID_SELECT_AREA);
    world.input.ClickAt(10, 10);
    world.input.MoveMouse(1000, 700);
    world.input.TypeKey(VK_RIGHT, SHORTCUT_SHIFT);
    world.input.TypeKey(VK_ESCAPE);
    EXPECT_EQ(0, Exit());
}

// The widest area a 32-bit rectangle holds, traced and shown in the indicator.
TEST_F(ViewTest, TheWidestStoredAreaCanBeTracedAndSelected) {
    Store("Selection", "HorizontalResolution", 1024);
    Store("Selection", "VerticalResolution", 768);
    Store("Selection", "Left", static_cast<DWORD>(INT_MIN));
    Store("Selection", "Top", static_cast<DWORD>(INT_MIN));
    Store("Selection", "Right", static_cast<DWORD>(INT_MAX));
    Store("Selection", "Bottom", static_cast<DWORD>(INT_MAX));
    StartWithConverter();
    for (const UINT mode : {ID_MOUSE_TRACE_MODE1, ID_MOUSE_TRACE_MODE2, ID_MOUSE_TRACE_MODE3}) {
        Choose(mode);
        world.input.MoveMouse(5, 5);
        world.RunFor(40);
    }
    Choose(ID_MOUSE_TRACE_MODE3);
    EXPECT_EQ(0, View()->m_nMode);
    EXPECT_EQ(0, Exit());
}

INSTANTIATE_TEST_SUITE_P(Edges, ExtremeSettingsTest,
                         ::testing::Values(INT_MIN, -1, 0, 1 << 20, INT_MAX), [](const auto& info) {
                             switch (info.param) {
                             case INT_MIN:
                                 return std::string("IntMin");
                             case -1:
                                 return std::string("MinusOne");
                             case 0:
                                 return std::string("Zero");
                             case INT_MAX:
                                 return std::string("IntMax");
                             default:
                                 return std::string("TwoToTheTwenty");
                             }
                         });

} // namespace
