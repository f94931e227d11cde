#include "records/line_function_parts.h"

#include <gtest/gtest.h>

#include <string>

#include "support/part_test.h"

namespace {

using LineFunctionPartsTest = part_test::PartTest;

// layer, object kind, object numbers right and left, part numbers right and left, split marks.
const std::string kFull = "001" "2301" "ABC1234" "XYZ0001" "011" "012" "0" "3";
const std::string kAlk = "001" "2301" "ABC1234" "XYZ0001" "1" "2";

TEST_F(LineFunctionPartsTest, FullLineFunctionShowsEightRows) {
  Parse("##" + kFull + "rest", 2);
  int error = -1;
  CUlob1100Part part(error, 2);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 31);
  EXPECT_EQ(part.GetLayer(), "001");
  EXPECT_EQ(part.GetObjectType(), "2301");
  EXPECT_EQ(part.GetListText(-1), kFull);
  EXPECT_EQ(part.FillDetail(), 8);
  ExpectRow(0, "ULOB1100", "Funktion der Linie", "");
  ExpectRow(1, "DLOB1101", "Folie:", "001");
  ExpectRow(2, "DLOB1102", "Objektart:", "2301");
  ExpectRow(3, "DLOB1103", "Objektnummer rechts:", "ABC1234");
  ExpectRow(4, "DLOB1104", "Objektnummer links:", "XYZ0001");
  ExpectRow(5, "DLOB1105", "Objektteilnummer rechts:", "011");
  ExpectRow(6, "DLOB1106", "Objektteilnummer links:", "012");
  ExpectRow(7, "DLOB1107", "Linienteilung rechts:", "0 (Linie echt)");
  ExpectRow(8, "DLOB1108", "Linienteilung links:", "3 (Linie unecht)");
}

TEST_F(LineFunctionPartsTest, AlkLineFunctionHasNoPartNumbersAndShowsSixRows) {
  Parse(kAlk);
  int error = -1;
  CUlob1100Part part(error, 8);
  EXPECT_EQ(g_parsePos, 23);
  EXPECT_EQ(part.GetListText(-1), kAlk);
  EXPECT_EQ(part.FillDetail(), 6);
  ExpectRow(0, "ULO11ALK", "Funktion der Linie", "");
  ExpectRow(1, "DLOB1101", "Folie:", "001");
  ExpectRow(2, "DLOB1102", "Objektart:", "2301");
  ExpectRow(3, "DLOB1103", "Objektnummer rechts:", "ABC1234");
  ExpectRow(4, "DLOB1104", "Objektnummer links:", "XYZ0001");
  ExpectRow(5, "DLOB1105", "Linienteilung rechts:", "1 (Anfangspunkt der Linie unecht)");
  ExpectRow(6, "DLOB1106", "Linienteilung links:", "2 (Endpunkt der Linie unecht)");
}

TEST_F(LineFunctionPartsTest, UnknownSplitCharacterIsShownAsRead) {
  Parse("001" "2301" "ABC1234" "XYZ0001" "9" " ");
  int error = -1;
  CUlob1100Part part(error, 8);
  part.FillDetail();
  ExpectRow(5, "DLOB1105", "Linienteilung rechts:", "9");
  ExpectRow(6, "DLOB1106", "Linienteilung links:", " ");
}

TEST_F(LineFunctionPartsTest, EachVariantNeedsItsOwnWidth) {
  Parse(kFull.substr(0, 28));
  int error = -1;
  CUlob1100Part full(error, 2);
  EXPECT_EQ(error, 102);
  EXPECT_EQ(g_parsePos, 0);
  EXPECT_EQ(full.GetListText(-1), "");

  CUlob1100Part alk(error, 8);  // the same 28 characters hold a short aggregate
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 23);
  EXPECT_EQ(alk.m_splitRight.View(), "0");
  EXPECT_EQ(alk.m_splitLeft.View(), "1");

  CUlob1100Part tooShort(error, 8);
  EXPECT_EQ(error, 108);
  EXPECT_EQ(g_parsePos, 23);
}

TEST_F(LineFunctionPartsTest, ObjectNumberCriteriaMatchEitherSide) {
  Parse(kFull);
  int error = -1;
  CUlob1100Part part(error, 2);
  SetArgs({{"XYZ0000", "XYZ9999"}});  // left only
  EXPECT_EQ(part.MatchFilter(kCritObjNr), 1);
  SetArgs({{"abc1000", "abc2000"}});  // right only, case folded
  EXPECT_EQ(part.MatchFilter(kCritObjNr), 1);
  SetArgs({{"B", "W"}});
  EXPECT_EQ(part.MatchFilter(kCritObjNr), 0);
  SetArgs({{"QYZ0000", "QYZ0001"}});  // the last six characters hold the left number
  EXPECT_EQ(part.MatchFilter(kCritObjNrOhneDatenbank), 1);
  EXPECT_EQ(part.MatchFilter(kCritObjNr), 0);
}

TEST_F(LineFunctionPartsTest, LayerAndObjectKindCriteria) {
  Parse(kFull);
  int error = -1;
  CUlob1100Part part(error, 2);
  SetArgs({{"000", "001"}});
  EXPECT_EQ(part.MatchFilter(kCritFolie), 1);
  SetArgs({{"2300", "2309"}});
  EXPECT_EQ(part.MatchFilter(kCritObjArt), 1);
  EXPECT_EQ(part.MatchFilter(kCritFolie), 0);
  SetArgs({{"9301", "9301"}});
  EXPECT_EQ(part.MatchFilter(kCritObjArtOhneDarstellung), 1);
  EXPECT_EQ(part.MatchFilter(kCritObjArt), 0);
  EXPECT_EQ(part.MatchFilter(kCritObjTyp), 0);
}

TEST_F(LineFunctionPartsTest, TechnicalParameterShowsThreeRows) {
  Parse("12" "AB" "1234567" "x", 2);
  int error = -1;
  CUlob1110Part part(error);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 11);
  EXPECT_EQ(part.GetListText(-1), "AB1234567");
  EXPECT_EQ(part.FillDetail(), 3);
  ExpectRow(0, "ULOB1110", "Fachparameter", "");
  ExpectRow(1, "DLOB1111", "Art des Fachparameters:", "A");
  ExpectRow(2, "DLOB1112", "Kennung des Fachparameters:", "B");
  ExpectRow(3, "DLOB1113", "Wert des Fachpatameters:", "1234567");
}

TEST_F(LineFunctionPartsTest, TooShortTechnicalParameterReportsError103) {
  Parse("AB123456");
  int error = -1;
  CUlob1110Part part(error);
  EXPECT_EQ(error, 103);
  EXPECT_EQ(g_parsePos, 0);
  EXPECT_EQ(part.GetListText(-1), "");
}

}  // namespace
