// The arithmetic behind choosing an area, with the values a user sees on the TV.
#include "view/SelectionGeometry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr RECT kScreen{0, 0, 1024, 768};

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct AspectCase {
    const char* name;
    int aspect;
    POINT anchor;
    POINT pointer;
    RECT expected; // normalised, as Select Area shows it
};

std::ostream& operator<<(std::ostream& out, const AspectCase& c) {
    return out << c.name;
}

const AspectCase kAspectCases[] = {
    {"WidthLeadsAt4To3", 0, {100, 100}, {500, 200}, {100, 100, 500, 400}},
    {"BackwardsGivesTheSameRectangle", 0, {500, 400}, {100, 200}, {100, 100, 500, 400}},
    {"HeightLeadsAt4To3", 0, {100, 100}, {130, 500}, {100, 100, 633, 500}},
    {"WidthLeadsAt16To9", 1, {0, 0}, {160, 10}, {0, 0, 160, 90}},
    {"AnyOtherSettingIs16To9", 7, {0, 0}, {160, 10}, {0, 0, 160, 90}},
    {"CustomIsAnchorToPointer", 2, {500, 400}, {100, 200}, {100, 200, 500, 400}},
    // 900 wide would need 675 lines below 500: the width follows the height instead.
    {"TooTallForTheScreenFollowsTheHeight", 0, {100, 500}, {1000, 700}, {100, 500, 366, 700}},
    // 700 high would need 933 columns left of 100: the height follows the width instead.
    {"TooWideForTheScreenFollowsTheWidth", 0, {100, 750}, {0, 50}, {0, 675, 100, 750}},
    {"NoMovementStaysAPoint", 0, {300, 300}, {300, 300}, {300, 300, 300, 300}},
};

class ConstrainAspectTest : public ::testing::TestWithParam<AspectCase> {};

TEST_P(ConstrainAspectTest, ShapesTheRectangleFromTheAnchor) {
    const AspectCase& c = GetParam();
    const POINT corner = ConstrainAspect(c.anchor, c.pointer, c.aspect, kScreen);
    EXPECT_TRUE(Normalized(RECT{c.anchor.x, c.anchor.y, corner.x, corner.y}) == c.expected)
        << SelectionText(Normalized(RECT{c.anchor.x, c.anchor.y, corner.x, corner.y}));
}

INSTANTIATE_TEST_SUITE_P(Examples, ConstrainAspectTest, ::testing::ValuesIn(kAspectCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionText, ShowsCornersAndSize) {
    EXPECT_EQ("(100, 100) - (500, 400) 400 x 300", SelectionText(RECT{100, 100, 500, 400}));
    EXPECT_EQ("(10, 0) - (8, 5) -2 x 5", SelectionText(RECT{10, 0, 8, 5}));
}

TEST(Cells, QuarterAndSixteenthStepsStayOnTheScreen) {
    const RECT quarter = FirstCell(1024, 768, 2);
    EXPECT_TRUE(quarter == (RECT{0, 0, 511, 383}));
    const auto right = NextCell(quarter, VK_RIGHT, 1024, 768, 2);
    ASSERT_TRUE(right.has_value());
    EXPECT_TRUE(*right == (RECT{512, 0, 1023, 383}));
    EXPECT_FALSE(NextCell(*right, VK_RIGHT, 1024, 768, 2)) << "a second Right is refused";
    EXPECT_FALSE(NextCell(quarter, VK_LEFT, 1024, 768, 2));
    EXPECT_FALSE(NextCell(quarter, VK_UP, 1024, 768, 2));
    const auto down = NextCell(*right, VK_DOWN, 1024, 768, 2);
    ASSERT_TRUE(down.has_value());
    EXPECT_TRUE(*down == (RECT{512, 384, 1023, 767}));
    EXPECT_FALSE(NextCell(quarter, VK_RETURN, 1024, 768, 2));

    RECT sixteenth = FirstCell(1024, 768, 4);
    EXPECT_TRUE(sixteenth == (RECT{0, 0, 255, 191}));
    int steps = 0;
    while (const auto next = NextCell(sixteenth, VK_RIGHT, 1024, 768, 4)) {
        sixteenth = *next;
        ++steps;
    }
    EXPECT_EQ(3, steps) << "four cells across";
}

struct KeyCase {
    const char* name;
    RECT selection;
    UINT vk;
    bool shift;
    std::optional<RECT> expected;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << c.name;
}

const KeyCase kKeyCases[] = {
    {"LeftShrinksTheWidth", {100, 100, 500, 400}, VK_LEFT, false, RECT{100, 100, 499, 400}},
    {"UpShrinksTheHeight", {100, 100, 500, 400}, VK_UP, false, RECT{100, 100, 500, 399}},
    {"RightWidens", {100, 100, 500, 400}, VK_RIGHT, false, RECT{100, 100, 501, 400}},
    {"DownHeightens", {100, 100, 500, 400}, VK_DOWN, false, RECT{100, 100, 500, 401}},
    {"ShiftLeftMoves", {100, 100, 500, 400}, VK_LEFT, true, RECT{99, 100, 499, 400}},
    {"ShiftDownMoves", {100, 100, 500, 400}, VK_DOWN, true, RECT{100, 101, 500, 401}},
    {"ShiftLeftAtTheLeftEdgeDoesNothing", {0, 0, 400, 300}, VK_LEFT, true, std::nullopt},
    {"ShiftUpAtTheTopDoesNothing", {0, 0, 400, 300}, VK_UP, true, std::nullopt},
    {"LeftShrinksBelowZeroWidth", {10, 0, 10, 5}, VK_LEFT, false, RECT{10, 0, 9, 5}},
    {"RightAtTheRightEdgeDoesNothing", {0, 0, 1024, 300}, VK_RIGHT, false, std::nullopt},
    {"ShiftDownAtTheBottomDoesNothing", {0, 0, 100, 768}, VK_DOWN, true, std::nullopt},
    {"OtherKeysDoNothing", {0, 0, 100, 100}, VK_RETURN, false, std::nullopt},
};

class AdjustByKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AdjustByKeyTest, StepsOnePixelWithinTheScreen) {
    const KeyCase& c = GetParam();
    const std::optional<RECT> result = AdjustByKey(c.selection, c.vk, c.shift, kScreen);
    ASSERT_EQ(c.expected.has_value(), result.has_value());
    if (result) {
        EXPECT_TRUE(*result == *c.expected) << SelectionText(*result);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, AdjustByKeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Trace, CentredOnThePointerThenKeptOnTheScreen) {
    const RECT stored{100, 100, 500, 400};
    EXPECT_EQ(300, CentreOf(stored).x);
    EXPECT_EQ(250, CentreOf(stored).y);
    EXPECT_TRUE(KeepInsideClient(CentredOn(POINT{10, 10}, stored), kScreen) ==
                (RECT{0, 0, 400, 300}));
    EXPECT_TRUE(KeepInsideClient(CentredOn(POINT{1020, 760}, stored), kScreen) ==
                (RECT{624, 468, 1024, 768}));
    EXPECT_EQ(100, CentredOn(POINT{300, 300}, RECT{0, 0, 101, 50}).right -
                       CentredOn(POINT{300, 300}, RECT{0, 0, 101, 50}).left)
        << "an odd width loses a pixel";
}

TEST(Trace, PushedByTheOvershootOfTheInnerZone) {
    const RECT area{100, 100, 500, 400}; // inner zone (142, 131, 458, 369)
    EXPECT_FALSE(PushedBy(POINT{300, 250}, area));
    EXPECT_FALSE(PushedBy(POINT{142, 131}, area)) << "the inner zone's left and top are inside";
    const auto right = PushedBy(POINT{470, 200}, area);
    ASSERT_TRUE(right.has_value());
    EXPECT_TRUE(*right == (RECT{112, 100, 512, 400}));
    const auto corner = PushedBy(POINT{130, 120}, area);
    ASSERT_TRUE(corner.has_value());
    EXPECT_TRUE(*corner == (RECT{88, 89, 488, 389}));
    const auto onTheRightLine = PushedBy(POINT{458, 369}, area);
    ASSERT_TRUE(onTheRightLine.has_value()) << "the right and bottom lines are outside";
    EXPECT_TRUE(*onTheRightLine == area) << "but push by nothing";
}

TEST(KeepInsideClient, LargerThanTheScreenLinesUpWithTheSideItStuckOutOn) {
    EXPECT_TRUE(KeepInsideClient(RECT{-50, -10, 1100, 800}, kScreen) == (RECT{0, 0, 1150, 810}));
    EXPECT_TRUE(KeepInsideClient(RECT{10, 10, 1100, 800}, kScreen) == (RECT{-66, -22, 1024, 768}));
}

} // namespace
