#include "records/point_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "records/edbs_part.h"

namespace {
struct Decoded {
  double r = -1, h = -1;
};
Decoded Decode(const std::string& s) {
  Decoded d;
  DecodePoint(s, d.r, d.h);
  return d;
}
}  // namespace

TEST(PointField, SignedForm) {
  const std::string s = "+549173676-565462482";
  EXPECT_EQ(FormatPoint(s), "( +549173.676 / -565462.482 )");
  const Decoded d = Decode(s);
  EXPECT_DOUBLE_EQ(d.r, 549173.676);
  EXPECT_DOUBLE_EQ(d.h, -565462.482);
}

TEST(PointField, PlusWithoutSecondSignIsADistrictForm) {
  // Character 10 is a digit, so the field is read in the full district form.
  EXPECT_EQ(FormatPoint("+5456915473675762482"), "( +569473.675 / 4515762.482 )");
}

TEST(PointField, DistrictFormWithBlankMiddle) {
  EXPECT_EQ(FormatPoint("5456    123456789012"), "( 5412345.6 / 5678901.2 )");
}

TEST(PointField, DistrictFormWithBlanksAtFiveAndSeven) {
  EXPECT_EQ(FormatPoint("54569 1 123456789012"), "( 5491234.56 / 5617890.12 )");
}

TEST(PointField, FullDistrictForm) {
  const std::string s = "54569154736757624820";
  EXPECT_EQ(FormatPoint(s), "( 5491736.757 / 5654624.820 )");
  const Decoded d = Decode(s);
  EXPECT_DOUBLE_EQ(d.r, 5491736.757);
  EXPECT_DOUBLE_EQ(d.h, 5654624.820);
}

TEST(PointField, ShortFieldsShortenTheDigitStringsWithoutFailing) {
  EXPECT_EQ(FormatPoint("545691"), "( 5491. / 56. )");
  EXPECT_EQ(FormatPoint(""), "( . / . )");
  const Decoded d = Decode("");
  EXPECT_EQ(d.r, 0.0);
  EXPECT_EQ(d.h, 0.0);
}

TEST(PointField, BlankInsideADigitStringEndsTheConversion) {
  const Decoded d = Decode("5456915473 757624820");
  EXPECT_DOUBLE_EQ(d.r, 549173.0);  // "549173 .757" stops at the blank
}

TEST(PointField, DecodedNumbersAreTheShownDigitStringsReadAsNumbers) {
  // The decoder computes well-formed digit strings directly; every field must give exactly the
  // numbers that the general conversion reads from the digit strings the detail row shows.
  std::mt19937 random(4);
  const std::string alphabet = "0123456789012345678901234567890123456789+- .eE";
  for (int round = 0; round < 20000; ++round) {
    std::string field(20, '0');
    for (char& c : field) c = alphabet[random() % (round % 3 == 0 ? alphabet.size() : 10)];
    if (round % 5 == 0) field[4] = field[5] = field[6] = field[7] = ' ';
    if (round % 7 == 0) field[0] = '+', field[10] = '-';
    const std::string shown = FormatPoint(field);  // "( R / H )"
    const std::size_t slash = shown.find(" / ");
    const double r = TextToDouble(shown.substr(2, slash - 2));
    const double h = TextToDouble(shown.substr(slash + 3, shown.size() - slash - 5));
    double x = 1, y = 1;
    DecodePoint(field, x, y);
    ASSERT_EQ(std::signbit(x), std::signbit(r)) << field;
    ASSERT_EQ(x, r) << field;
    ASSERT_EQ(y, h) << field;
  }
}
