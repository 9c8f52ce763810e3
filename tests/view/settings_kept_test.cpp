// What a command commits is in the registry at once, as the exit writes it: an area applied,
// Full Screen, an external input switched.
#include "tests/view/view_harness.h"

namespace {

using testing_support::AppTest;
using testing_support::ViewTest;

struct Commit {
    const char* name;
    UINT command;
    const char* section;
    const char* value;
    DWORD expected;
};

void PrintTo(const Commit& commit, std::ostream* out) {
    *out << commit.name;
}

class SettingsKeptTest : public ViewTest, public ::testing::WithParamInterface<Commit> {};

TEST_P(SettingsKeptTest, TheCommittedValueIsStoredBeforeAnyExit) {
    StoreTopLeftQuarter();
    StartWithConverter();
    Choose(GetParam().command);
    if (GetParam().command == ID_SELECT_AREA) {
        world.input.ClickAt(100, 100);
        world.input.MoveMouse(500, 200);
        world.input.Click();
    }
    EXPECT_EQ(GetParam().expected, AppTest::Stored(GetParam().section, GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Commits, SettingsKeptTest,
    ::testing::Values(Commit{"AnAreaApplied", ID_SELECT_AREA, "Selection", "Right", 500},
                      Commit{"FullScreen", ID_FULL_SCREEN, "Selection", "Right", 0},
                      Commit{"AnExternalInput", ID_EXTERNAL_SVIDEO, "Device", "ExternalOutput",
                             0x20}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
