#include "records/edbs_part.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>

TEST(TextRules, IntegersFollowAtoiIn64Bits) {
  EXPECT_EQ(TextToInt("  0042xyz"), 42);
  EXPECT_EQ(TextToInt("-12"), -12);
  EXPECT_EQ(TextToInt("+7"), 7);
  EXPECT_EQ(TextToInt("00A0"), 0);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("    "), 0);
  EXPECT_EQ(TextToInt("000000004294967396"), 4294967396LL);  // 18 digits do not wrap at 32 bits
  EXPECT_EQ(TextToInt("99999999999999999999999"), 9223372036854775807LL);
}

TEST(TextRules, DoublesFollowStrtodInTheCLocaleWhateverTheUserLocale) {
  // A German locale writes decimals with a comma; EDBS never does.
  const char* set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_DOUBLE_EQ(TextToDouble("5491736.757"), 5491736.757);
  EXPECT_DOUBLE_EQ(TextToDouble("  +12.5abc"), 12.5);
  EXPECT_DOUBLE_EQ(TextToDouble("-0012.50"), -12.5);
  EXPECT_DOUBLE_EQ(TextToDouble("549173 .757"), 549173.0);
  EXPECT_DOUBLE_EQ(TextToDouble("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(TextToDouble("7."), 7.0);
  EXPECT_EQ(TextToDouble("."), 0.0);
  EXPECT_EQ(TextToDouble("  "), 0.0);
  EXPECT_EQ(TextToDouble("1e-999"), 0.0);
  if (set != nullptr) std::setlocale(LC_NUMERIC, "C");
}

TEST(TextRules, SubstringsNeverReadOutsideTheText) {
  EXPECT_EQ(Mid("abcdef", 2, 3), "cde");
  EXPECT_EQ(Mid("abcdef", 4, 99), "ef");
  EXPECT_EQ(Mid("abcdef", -3, 2), "ab");  // a negative position starts at 0
  EXPECT_EQ(Mid("abcdef", 2, -1), "");    // a negative count gives nothing
  EXPECT_EQ(Mid("abcdef", 6, 1), "");
  EXPECT_EQ(Mid("abcdef", 1LL << 40, 1), "");
  EXPECT_EQ(Left("abc", 5), "abc");
  EXPECT_EQ(Left("abc", -5), "");
}

TEST(TextRules, FieldsKeepNulBytesAndTheirWidth) {
  g_parseText = std::string("ab\0cd", 5);
  g_parsePos = 0;
  Field<4> f;
  f.ReadAt(1);
  EXPECT_EQ(f.View(), std::string_view("b\0cd", 4));
  EXPECT_EQ(f.At(9), '\0');
  Field<8> g;
  EXPECT_TRUE(g.empty());
  g.ReadAt(3);  // only two characters are left
  EXPECT_EQ(g.Str(), "cd");
}

TEST(TextRules, ParseRoomCountsFromTheCursor) {
  g_parseText = "0123456789";
  g_parsePos = 6;
  EXPECT_TRUE(ParseHasRoom(4));
  EXPECT_FALSE(ParseHasRoom(5));
  g_parsePos = 11;
  EXPECT_FALSE(ParseHasRoom(0));
}

TEST(TextRules, PaddedIntWritesWhatPrintfWrites) {
  for (const long long v : {0LL, 7LL, -7LL, 42LL, -42LL, 1234567LL, -1234567LL, 99999999LL, LLONG_MAX, LLONG_MIN}) {
    for (const int width : {0, 1, 2, 3, 7, 8, 25}) {
      EXPECT_EQ(PaddedInt(v, width), Format("%*lld", width, v)) << v << " " << width;
      EXPECT_EQ(PaddedInt(v, width, '0'), Format("%0*lld", width, v)) << v << " " << width;
    }
  }
}
