// Moving a rectangle to another screen size.
#include "model/Rescale.h"

#include <gtest/gtest.h>

namespace {

TEST(Rescale, RoundsToTheNearestPixelOnTheAxesThatChanged) {
    RECT rect = {0, 0, 511, 383};
    ASSERT_TRUE(RescaleRect(rect, 1024, 768, 800, 600));
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(399, rect.right);
    EXPECT_EQ(299, rect.bottom);

    RECT full = {0, 0, 1023, 767};
    ASSERT_TRUE(RescaleRect(full, 1024, 768, 800, 600));
    EXPECT_EQ(799, full.right);
    EXPECT_EQ(599, full.bottom);

    RECT only = {10, 10, 20, 20};
    ASSERT_TRUE(RescaleRect(only, 1024, 0, 2048, 0)) << "an unchanged axis is never divided by";
    EXPECT_EQ(20, only.left);
    EXPECT_EQ(10, only.top);
}

TEST(Rescale, RefusesToDivideByANonPositiveSize) {
    for (const int bad : {0, -1}) {
        RECT rect = {1, 2, 3, 4};
        EXPECT_FALSE(RescaleRect(rect, bad, 768, 800, 600));
        EXPECT_FALSE(RescaleRect(rect, 1024, bad, 800, 600));
        EXPECT_EQ(3, rect.right) << "left as it was";
    }
}

TEST(Rescale, WrapsLikeThirtyTwoBitArithmeticWithoutOverflowing) {
    // 800 * 0x7FFFFFFF wraps in 32 bits to -800; (-800 + 512) / 1024 truncates to 0.
    EXPECT_EQ(0, RescaleCoordinate(0x7FFFFFFF, 1024, 800));
    EXPECT_EQ(-1, RescaleCoordinate(-2, 1024, 800));
}

} // namespace
