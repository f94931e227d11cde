#include "records/operation_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using Ulovek00Part = part_test::PartTest;
using Ulodre00Part = part_test::PartTest;
using UlotexPart = part_test::PartTest;
using UlodatumPart = part_test::PartTest;
using OperationParts = part_test::PartTest;
using part_test::Row;

// Signed form: Rechtswert +345678.901, Hochwert +587654.321.
const std::string kSignedPoint = "+345678901+587654321";
// Full district form: Rechtswert 3257123.456, Hochwert 5803789.012.
const std::string kDistrictPoint = "32585703123456789012";

}  // namespace

// --- ULOVEK00 ------------------------------------------------------------------------------

TEST_F(Ulovek00Part, ReadsBothPointsAndAdvances) {
  Parse("0001V" + kSignedPoint + kDistrictPoint + "0000", 4);
  int error = -1;
  CUlovek00Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(45, g_parsePos);
  EXPECT_EQ("V" + kSignedPoint + kDistrictPoint, part.GetListText(0));
  EXPECT_DOUBLE_EQ(345678.901, part.GetOldX());
  EXPECT_DOUBLE_EQ(587654.321, part.GetOldY());
  EXPECT_DOUBLE_EQ(3257123.456, part.GetNewX());
  EXPECT_DOUBLE_EQ(5803789.012, part.GetNewY());
}

TEST_F(Ulovek00Part, FortyCharactersGive123AndNoFields) {
  Parse("0001V" + kSignedPoint + kDistrictPoint.substr(0, 19), 4);
  int error = 0;
  CUlovek00Part part(error);
  EXPECT_EQ(123, error);
  EXPECT_EQ(4, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
  EXPECT_EQ(0.0, part.GetOldX());
  EXPECT_EQ(0.0, part.GetNewY());
}

TEST_F(Ulovek00Part, DetailChoosesTheFormPerPoint) {
  Parse("V" + kSignedPoint + kDistrictPoint);
  int error = -1;
  CUlovek00Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> expected = {
      {"ULOVEK00", "FGEO-Operation (Verschieben)", ""},
      {"", "Y-Koordinate alt:", "+345678901"},
      {"", "X-Koordinate alt:", "+587654321"},
      {"", "", "( +345678.901 / +587654.321 )"},
      {"", "Numerierungsbezirk neu (NBZ):", "32585703"},
      {"", "Koordinate neu im NBZ:", "123456789012"},
      {"", "", "( 3257123.456 / 5803789.012 )"},
  };
  EXPECT_EQ(expected, DetailRows(part, 6));
}

TEST_F(Ulovek00Part, NegativeSignMarksTheSignedFormOfTheNewPoint) {
  Parse("V" + kDistrictPoint + "-345678901-587654321");
  int error = -1;
  CUlovek00Part part(error);
  ASSERT_EQ(0, error);
  const std::vector<Row> rows = DetailRows(part, 6);
  EXPECT_EQ((Row{"", "Numerierungsbezirk alt (NBZ):", "32585703"}), rows[1]);
  EXPECT_EQ((Row{"", "Koordinate alt im NBZ:", "123456789012"}), rows[2]);
  EXPECT_EQ((Row{"", "Y-Koordinate neu:", "-345678901"}), rows[4]);
  EXPECT_EQ((Row{"", "X-Koordinate neu:", "-587654321"}), rows[5]);
  EXPECT_DOUBLE_EQ(-345678.901, part.GetNewX());
}

// --- ULODRE00 ------------------------------------------------------------------------------

TEST_F(Ulodre00Part, DetailShowsIdentifiersAndAnglesInGon) {
  Parse("01" + std::string(13, ' ') + "12345" + "02" + std::string(18, ' '));
  int error = -1;
  CUlodre00Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(40, g_parsePos);
  const std::vector<Row> expected = {
      {"ULODRE00", "FGEO-Operation (Drehen)", ""},
      {"", "Identifikator alt:", "01"},
      {"", "Drehwinkel alt in gon:", "123.45"},
      {"", "Identifikator neu:", "02"},
      {"", "Drehwinkel neu in gon:", "  0.00"},
  };
  EXPECT_EQ(expected, DetailRows(part, 4));
  EXPECT_EQ(g_parseText, part.GetListText(0));
}

TEST_F(Ulodre00Part, EighteenDigitAnglesDoNotOverflow) {
  Parse("01000000012345678901" "02-00000000000009000");
  int error = -1;
  CUlodre00Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_DOUBLE_EQ(123456789.01, part.GetOldAngle());
  EXPECT_DOUBLE_EQ(-90.0, part.GetNewAngle());
  part.FillDetail();
  EXPECT_EQ("123456789.01", DetailTable.Value(2));
  EXPECT_EQ("-90.00", DetailTable.Value(4));
}

TEST_F(Ulodre00Part, AngleStopsAtTheFirstNonDigit) {
  Parse("01  250 000000000000" "02" "x00000000000000400");
  int error = -1;
  CUlodre00Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_DOUBLE_EQ(2.5, part.GetOldAngle());
  EXPECT_EQ(0.0, part.GetNewAngle());
}

TEST_F(Ulodre00Part, ThirtyNineCharactersGive124AndNoAngles) {
  Parse("01000000000000012345" "0200000000000001234");
  int error = 0;
  CUlodre00Part part(error);
  EXPECT_EQ(124, error);
  EXPECT_EQ(0, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
  EXPECT_EQ(0.0, part.GetOldAngle());
  EXPECT_EQ(0.0, part.GetNewAngle());
}

// --- ULOTEX --------------------------------------------------------------------------------

TEST_F(UlotexPart, TakesTheRestOfTheRecordAsOneText) {
  const std::string lines = std::string("Erste Zeile       ") + "Zweite Zeile      ";
  Parse(std::string(36, 'H') + "0002" + lines, 40);
  int error = -1;
  CUlotexPart part(error);
  EXPECT_EQ(0, error);
  EXPECT_EQ(76, g_parsePos);
  EXPECT_EQ(lines, part.GetListText(0));
  const std::vector<Row> expected = {
      {"ULOTEX", "Benutzerinformation", ""},
      {"", "Text:", lines},
  };
  EXPECT_EQ(expected, DetailRows(part, 1));
}

TEST_F(UlotexPart, CursorAtOrBehindTheEndGivesAnEmptyText) {
  Parse(std::string(40, 'H'), 40);
  int error = -1;
  CUlotexPart atEnd(error);
  EXPECT_EQ(0, error);
  EXPECT_EQ("", atEnd.GetListText(0));
  EXPECT_EQ(40, g_parsePos);

  g_parsePos = 45;
  error = -1;
  CUlotexPart behind(error);
  EXPECT_EQ(0, error);
  EXPECT_EQ("", behind.GetListText(0));
  EXPECT_EQ(45, g_parsePos);
}

// --- ULODATUM ------------------------------------------------------------------------------

TEST_F(UlodatumPart, DetailShowsDateDayFirstAndTime) {
  Parse("0001P071231Z140509", 4);
  int error = -1;
  CUlodatumPart part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(18, g_parsePos);
  EXPECT_EQ("P071231Z140509", part.GetListText(0));
  const std::vector<Row> expected = {
      {"ULODAT00", "Datum", ""},
      {"", CP("Prüfzeichen:"), "P"},
      {"", "Datum:", "31.12.07"},
      {"", CP("Prüfzeichen:"), "Z"},
      {"", "Uhrzeit:", "14:05:09"},
  };
  EXPECT_EQ(expected, DetailRows(part, 4));
}

TEST_F(UlodatumPart, ThirteenCharactersGive127) {
  Parse("P071231Z14050");
  int error = 0;
  CUlodatumPart part(error);
  EXPECT_EQ(127, error);
  EXPECT_EQ(0, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
}

// --- Filter --------------------------------------------------------------------------------

TEST_F(OperationParts, NoneAnswersAnyCriterion) {
  int error = -1;
  Parse("V" + kSignedPoint + kDistrictPoint);
  CUlovek00Part vek(error);
  Parse("01000000000000012345" "02000000000000012345");
  CUlodre00Part dre(error);
  g_parsePos = 0;
  CUlotexPart tex(error);
  Parse("P071231Z140509");
  CUlodatumPart datum(error);
  const std::vector<int> none;
  EXPECT_EQ(none, AnsweredCriteria(vek));
  EXPECT_EQ(none, AnsweredCriteria(dre));
  EXPECT_EQ(none, AnsweredCriteria(tex));
  EXPECT_EQ(none, AnsweredCriteria(datum));
}
