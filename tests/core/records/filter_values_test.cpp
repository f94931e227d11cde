#include "records/filter_values.h"

#include <gtest/gtest.h>

namespace {
void Args(std::initializer_list<std::pair<const char*, const char*>> pairs) {
  ResetFilterValues();
  for (auto [from, to] : pairs) {
    g_filterFrom[g_filterArgCount] = from;
    g_filterTo[g_filterArgCount] = to;
    ++g_filterArgCount;
  }
}
}  // namespace

TEST(FilterValues, RangeTestIgnoresCase) {
  Args({{"a000050", "a000099"}});
  EXPECT_TRUE(RangeTest("A000060"));
  EXPECT_FALSE(RangeTest("A000100"));
  Args({{"0000", "zzzz"}});
  EXPECT_TRUE(RangeTest("K\xC4SE"));  // folds to "k\xE4se", which the first letter keeps below "zzzz"
  Args({{"\xE4", "\xE4"}});
  EXPECT_TRUE(RangeTest("\xC4"));  // Ä and ä are the same letter
}

TEST(FilterValues, RangeTestWithSeveralArguments) {
  Args({{"120", "130"}, {"999", "999"}});
  EXPECT_TRUE(RangeTest("125"));
  EXPECT_TRUE(RangeTest("13 "));  // a text comparison: "13 " lies between 120 and 130
  EXPECT_FALSE(RangeTest("131"));
  EXPECT_TRUE(RangeTest("999"));
}

TEST(FilterValues, EqualityTestIsCaseSensitive) {
  Args({{"F", "F"}});
  EXPECT_TRUE(EqualityTest("F"));
  EXPECT_FALSE(EqualityTest("f"));
}

TEST(FilterValues, TailRangeComparesOnlyTheLastCharacters) {
  Args({{"A000050", "A000099"}});
  EXPECT_TRUE(TailRangeTest("B000060", 6));
  EXPECT_FALSE(RangeTest("B000060"));
}

TEST(FilterValues, NoArgumentsMatchNothing) {
  ResetFilterValues();
  EXPECT_FALSE(RangeTest(""));
  EXPECT_FALSE(EqualityTest(""));
}

TEST(FilterValues, CoordinateWindowIncludesItsEdges) {
  ResetFilterValues();
  g_coordWindow = {10, 20, 30, 40};
  EXPECT_TRUE(CoordWindowTest(10, 40));
  EXPECT_FALSE(CoordWindowTest(9.999, 30));
}
