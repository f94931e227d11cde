// The texts a plan places for special information: house, parcel and point numbers decoded from
// the text field, names and lettering taken as they are.

#include <gtest/gtest.h>

#include <string>

#include "views/placed_text.h"

namespace {

// A 33-character text field: `head` at position 0, `body` from position `at` on, blanks elsewhere.
std::string TextField(const std::string& head, int at = 0, const std::string& body = "") {
  std::string f(33, ' ');
  f.replace(0, head.size(), head);
  f.replace(at, body.size(), body);
  return f;
}

}  // namespace

TEST(PlacedText, HouseNumberLosesLeadingZerosAndABlankAddition) {
  EXPECT_EQ(DerivePlacedText("11", TextField("HA", 15, "0012    ")), "12");
  EXPECT_EQ(DerivePlacedText("19", TextField("HA", 15, "0007a   ")), "7a   ");
  EXPECT_EQ(DerivePlacedText("15", TextField("HA", 15, "0120 b  ")), "120b  ");
}

TEST(PlacedText, NumberOfZerosKeepsItsLastDigit) {
  EXPECT_EQ(DerivePlacedText("11", TextField("HA", 15, "0000")), "0");
  EXPECT_EQ(DerivePlacedText("11", TextField("FS", 11, "00000000")), "0");
  EXPECT_EQ(DerivePlacedText("11", TextField("  ", 11, "00000")), "0");
}

TEST(PlacedText, ParcelNumberWithDenominatorZeroIsTheNumeratorAlone) {
  EXPECT_EQ(DerivePlacedText("12", TextField("FS", 11, "00123000")), "123");
  EXPECT_EQ(DerivePlacedText("12", TextField("FS", 11, "00123005")), "123/5");
  EXPECT_EQ(DerivePlacedText("12", TextField("FS", 11, "12345678")), "12345/678");
}

TEST(PlacedText, ShortParcelNumberReadsFromPositionTen) {
  EXPECT_EQ(DerivePlacedText("13", TextField("FB", 10, "0045012")), "45/12");
  EXPECT_EQ(DerivePlacedText("13", TextField("FB", 10, "0045000")), "45");
}

TEST(PlacedText, PointNumberAfterTwoBlanks) {
  EXPECT_EQ(DerivePlacedText("14", TextField("  ", 11, "00815")), "815");
}

TEST(PlacedText, UnknownNumberFormPlacesNothing) {
  EXPECT_EQ(DerivePlacedText("11", TextField("XY", 11, "00815")), kNoPlacedText);
  EXPECT_EQ(DerivePlacedText("11", ""), kNoPlacedText);
}

TEST(PlacedText, KindsOutsideTheNumberRangeAreNotDecoded) {
  // "10" and "1A" lie outside "11" to "19" as texts; "20" is no text kind.
  EXPECT_EQ(DerivePlacedText("10", TextField("HA", 15, "0012")), kNoPlacedText);
  EXPECT_EQ(DerivePlacedText("1A", TextField("HA", 15, "0012")), kNoPlacedText);
  EXPECT_EQ(DerivePlacedText("20", TextField("Lindenweg")), kNoPlacedText);
  EXPECT_EQ(DerivePlacedText("31", TextField("Lindenweg")), kNoPlacedText);
}

TEST(PlacedText, NamesKeepLeadingBlanksAndLoseTrailingOnes) {
  EXPECT_EQ(DerivePlacedText("21", TextField(" Am Markt")), " Am Markt");
  EXPECT_EQ(DerivePlacedText("23", TextField("Neisse")), "Neisse");
  EXPECT_EQ(DerivePlacedText("25", std::string("G\xF6rlitzer Stra\xDF" "e\t  ")), "G\xF6rlitzer Stra\xDF" "e\t");
}

TEST(PlacedText, EmptyNameIsPlacedAsAnEmptyText) {
  EXPECT_EQ(DerivePlacedText("21", std::string(33, ' ')), "");
}

TEST(PlacedText, KindFortyFourDropsItsFirstTwoCharacters) {
  EXPECT_EQ(DerivePlacedText("44", TextField("XXGartenstr.")), "Gartenstr.");
  EXPECT_EQ(DerivePlacedText("44", TextField("XX  Wiese")), "Wiese");
  EXPECT_EQ(DerivePlacedText("44", "X"), "");
}

TEST(PlacedText, TextThatReadsNixIsTheNoTextMarker) {
  EXPECT_EQ(DerivePlacedText("21", TextField("NIX")), kNoPlacedText);
}

TEST(PlacedText, TextKinds) {
  for (const char* k : {"11", "15", "19", "21", "23", "25", "44"}) EXPECT_TRUE(IsTextKind(k)) << k;
  for (const char* k : {"10", "20", "22", "31", "32", "45", "1", ""}) EXPECT_FALSE(IsTextKind(k)) << k;
}
