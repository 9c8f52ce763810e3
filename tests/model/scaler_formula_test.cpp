// The scaler values for a desktop rectangle, and the truncation they go through.
#include "model/ScalerFormula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ScalerCase {
    const char* name;
    ScalerInput input;
    ScalerValues expected;
};

std::ostream& operator<<(std::ostream& out, const ScalerCase& c) {
    return out << c.name;
}

const ScalerCase kScalerCases[] = {
    {"FullScreenIsAllZero", {800, 600, {0, 0, 799, 599}, 1000, 300, 500, 412, false}, {0, 0, 0, 0}},
    {"HalfWidthOn800x600",
     {800, 600, {100, 50, 499, 549}, 1000, 300, 500, 412, false},
     {218, 210, 6, 50}},
    {"VerticalLimitedToC",
     {800, 600, {100, 50, 499, 349}, 1000, 300, 500, 412, false},
     {218, 500, 6, 50}},
    {"QuarterOn1024x768",
     {1024, 768, {256, 192, 767, 575}, 1000, 330, 480, 412, false},
     {185, 480, 12, 192}},
    {"PalUsesFourLines",
     {800, 600, {100, 50, 499, 549}, 1000, 300, 500, 496, true},
     {218, 455, 6, 50}},
    // Wider than the screen: the scale goes negative and passes the limit unchanged.
    {"WiderThanScreenGoesNegative",
     {800, 600, {0, 0, 1599, 599}, 1000, 300, 500, 412, false},
     {-109, 0, 0, 0}},
    // An inverted rectangle divides by zero width: the infinite value becomes 0.
    {"ZeroWidthGivesZero", {800, 600, {100, 0, 99, 599}, 1000, 300, 500, 412, false}, {0, 0, 6, 0}},
    // Results that 80-bit intermediates get wrong by one: every step is rounded to double.
    {"DoublePrecisionHorizontal800",
     {800, 600, {0, 0, 544, 599}, 1000, 300, 500, 412, false},
     {102, 0, 0, 0}},
    {"DoublePrecisionHorizontal1024",
     {1024, 768, {0, 0, 511, 767}, 1000, 383, 500, 412, false},
     {129, 0, 0, 0}},
    {"DoublePrecisionVertical",
     {800, 600, {0, 0, 799, 569}, 1000, 300, 500, 480, false},
     {0, 99, 0, 0}},
    {"ZeroDivisorGivesZeroStart",
     {800, 600, {0, 0, 799, 599}, 0, 300, 500, 412, false},
     {0, 0, 0, 0}},
};

class ScalerFormulaTest : public ::testing::TestWithParam<ScalerCase> {};

TEST_P(ScalerFormulaTest, ComputesTheFourValues) {
    const ScalerValues v = ComputeScaler(GetParam().input);
    EXPECT_EQ(GetParam().expected.horizontalScale, v.horizontalScale);
    EXPECT_EQ(GetParam().expected.verticalScale, v.verticalScale);
    EXPECT_EQ(GetParam().expected.horizontalStart, v.horizontalStart);
    EXPECT_EQ(GetParam().expected.verticalStart, v.verticalStart);
}

INSTANTIATE_TEST_SUITE_P(Examples, ScalerFormulaTest, ::testing::ValuesIn(kScalerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TruncateScalerValue, TowardZeroKeepingTheLow32Bits) {
    EXPECT_EQ(210, TruncateScalerValue(210.88));
    EXPECT_EQ(-109, TruncateScalerValue(-109.9));
    EXPECT_EQ(0, TruncateScalerValue(std::nan("")));
    EXPECT_EQ(0, TruncateScalerValue(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(0, TruncateScalerValue(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ(0, TruncateScalerValue(1e30)) << "beyond 64 bits";
    EXPECT_EQ(1, TruncateScalerValue(4294967297.0)) << "2^32 + 1 keeps its low word";
}

} // namespace
