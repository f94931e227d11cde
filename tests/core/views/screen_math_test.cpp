// Screen positions stay defined for any coordinate: truncation into 32 bits and wrapping sums.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "views/screen_math.h"

TEST(ScreenMath, TruncRoundsTowardZero) {
  EXPECT_EQ(screen::Trunc(2.9), 2);
  EXPECT_EQ(screen::Trunc(-2.9), -2);
  EXPECT_EQ(screen::Trunc(2147483647.9), INT_MAX);
  EXPECT_EQ(screen::Trunc(-2147483648.9), INT_MIN);
}

TEST(ScreenMath, TruncOfNanOrOutOfRangeIsIntMin) {
  EXPECT_EQ(screen::Trunc(std::nan("")), INT_MIN);
  EXPECT_EQ(screen::Trunc(std::numeric_limits<double>::infinity()), INT_MIN);
  EXPECT_EQ(screen::Trunc(-std::numeric_limits<double>::infinity()), INT_MIN);
  EXPECT_EQ(screen::Trunc(2147483648.0), INT_MIN);
  EXPECT_EQ(screen::Trunc(-2147483649.0), INT_MIN);
}

TEST(ScreenMath, SumsWrapAsTwosComplement) {
  EXPECT_EQ(screen::WrapAdd(INT_MAX, 1), INT_MIN);
  EXPECT_EQ(screen::WrapAdd(400, INT_MIN), INT_MIN + 400);
  EXPECT_EQ(screen::WrapSub(300, INT_MIN), INT_MIN + 300);
  EXPECT_EQ(screen::WrapSub(INT_MIN, 1), INT_MAX);
}

TEST(ScreenMath, MinAndClampFollowTheirComparisons) {
  EXPECT_EQ(screen::Min(std::numeric_limits<double>::infinity(), 3.0), 3.0);
  EXPECT_EQ(screen::Min(std::nan(""), 3.0), 3.0);
  EXPECT_TRUE(std::isnan(screen::Min(3.0, std::nan(""))));
  EXPECT_EQ(screen::ClampOffset(1e9), 32767.0);
  EXPECT_EQ(screen::ClampOffset(-1e9), -32767.0);
  EXPECT_TRUE(std::isnan(screen::ClampOffset(std::nan(""))));
}
