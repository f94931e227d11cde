#include "records/operation_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/filter_values.h"

namespace {

struct Row {
  std::string tag, label, value;
  bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os) { *os << "{" << r.tag << " | " << r.label << " | " << r.value << "}"; }

// Rows 0..n after filling a table that still holds an earlier part's rows.
template <class P>
std::vector<Row> DetailRows(const P& part, int expectedLast) {
  for (int r = 0; r < CDetailTable::kRows; ++r) DetailTable.Set(r, "ALT", "alt", "alt");
  const int last = part.FillDetail();
  EXPECT_EQ(expectedLast, last);
  std::vector<Row> rows;
  for (int r = 0; r <= last; ++r) rows.push_back({DetailTable.Tag(r), DetailTable.Label(r), DetailTable.Value(r)});
  return rows;
}

const std::vector<int> kAllCriteria = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,  13,  14,
                                       15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 111, 113, 124};

// Criteria the part answers while the filter accepts every text.
template <class P>
std::vector<int> AnsweredCriteria(const P& part) {
  ResetFilterValues();
  g_filterArgCount = 1;
  g_filterFrom[0] = "";
  g_filterTo[0] = std::string(300, '\xff');
  g_coordWindow = {-1e12, -1e12, 1e12, 1e12};
  std::vector<int> answered;
  for (int c : kAllCriteria) {
    if (part.MatchFilter(c) == 1) answered.push_back(c);
  }
  return answered;
}

// Signed form: Rechtswert +345678.901, Hochwert +587654.321.
const std::string kSignedPoint = "+345678901+587654321";
// Full district form: Rechtswert 3257123.456, Hochwert 5803789.012.
const std::string kDistrictPoint = "32585703123456789012";

}  // namespace

// --- ULOVEK00 ------------------------------------------------------------------------------

TEST(Ulovek00Part, ReadsBothPointsAndAdvances) {
  g_parseText = "0001V" + kSignedPoint + kDistrictPoint + "0000";
  g_parsePos = 4;
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

TEST(Ulovek00Part, FortyCharactersGive123AndNoFields) {
  g_parseText = "0001V" + kSignedPoint + kDistrictPoint.substr(0, 19);
  g_parsePos = 4;
  int error = 0;
  CUlovek00Part part(error);
  EXPECT_EQ(123, error);
  EXPECT_EQ(4, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
  EXPECT_EQ(0.0, part.GetOldX());
  EXPECT_EQ(0.0, part.GetNewY());
}

TEST(Ulovek00Part, DetailChoosesTheFormPerPoint) {
  g_parseText = "V" + kSignedPoint + kDistrictPoint;
  g_parsePos = 0;
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

TEST(Ulovek00Part, NegativeSignMarksTheSignedFormOfTheNewPoint) {
  g_parseText = "V" + kDistrictPoint + "-345678901-587654321";
  g_parsePos = 0;
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

TEST(Ulodre00Part, DetailShowsIdentifiersAndAnglesInGon) {
  g_parseText = "01" + std::string(13, ' ') + "12345" + "02" + std::string(18, ' ');
  g_parsePos = 0;
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

TEST(Ulodre00Part, EighteenDigitAnglesDoNotOverflow) {
  g_parseText = "01000000012345678901" "02-00000000000009000";
  g_parsePos = 0;
  int error = -1;
  CUlodre00Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_DOUBLE_EQ(123456789.01, part.GetOldAngle());
  EXPECT_DOUBLE_EQ(-90.0, part.GetNewAngle());
  part.FillDetail();
  EXPECT_EQ("123456789.01", DetailTable.Value(2));
  EXPECT_EQ("-90.00", DetailTable.Value(4));
}

TEST(Ulodre00Part, AngleStopsAtTheFirstNonDigit) {
  g_parseText = "01  250 000000000000" "02" "x00000000000000400";
  g_parsePos = 0;
  int error = -1;
  CUlodre00Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_DOUBLE_EQ(2.5, part.GetOldAngle());
  EXPECT_EQ(0.0, part.GetNewAngle());
}

TEST(Ulodre00Part, ThirtyNineCharactersGive124AndNoAngles) {
  g_parseText = "01000000000000012345" "0200000000000001234";
  g_parsePos = 0;
  int error = 0;
  CUlodre00Part part(error);
  EXPECT_EQ(124, error);
  EXPECT_EQ(0, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
  EXPECT_EQ(0.0, part.GetOldAngle());
  EXPECT_EQ(0.0, part.GetNewAngle());
}

// --- ULOTEX --------------------------------------------------------------------------------

TEST(UlotexPart, TakesTheRestOfTheRecordAsOneText) {
  const std::string lines = std::string("Erste Zeile       ") + "Zweite Zeile      ";
  g_parseText = std::string(36, 'H') + "0002" + lines;
  g_parsePos = 40;
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

TEST(UlotexPart, CursorAtOrBehindTheEndGivesAnEmptyText) {
  g_parseText = std::string(40, 'H');
  g_parsePos = 40;
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

TEST(UlodatumPart, DetailShowsDateDayFirstAndTime) {
  g_parseText = "0001P071231Z140509";
  g_parsePos = 4;
  int error = -1;
  CUlodatumPart part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ(18, g_parsePos);
  EXPECT_EQ("P071231Z140509", part.GetListText(0));
  const std::vector<Row> expected = {
      {"ULODAT00", "Datum", ""},
      {"", "Prüfzeichen:", "P"},
      {"", "Datum:", "31.12.07"},
      {"", "Prüfzeichen:", "Z"},
      {"", "Uhrzeit:", "14:05:09"},
  };
  EXPECT_EQ(expected, DetailRows(part, 4));
}

TEST(UlodatumPart, ThirteenCharactersGive127) {
  g_parseText = "P071231Z14050";
  g_parsePos = 0;
  int error = 0;
  CUlodatumPart part(error);
  EXPECT_EQ(127, error);
  EXPECT_EQ(0, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
}

// --- Filter --------------------------------------------------------------------------------

TEST(OperationParts, NoneAnswersAnyCriterion) {
  int error = -1;
  g_parseText = "V" + kSignedPoint + kDistrictPoint;
  g_parsePos = 0;
  CUlovek00Part vek(error);
  g_parseText = "01000000000000012345" "02000000000000012345";
  g_parsePos = 0;
  CUlodre00Part dre(error);
  g_parsePos = 0;
  CUlotexPart tex(error);
  g_parseText = "P071231Z140509";
  g_parsePos = 0;
  CUlodatumPart datum(error);
  const std::vector<int> none;
  EXPECT_EQ(none, AnsweredCriteria(vek));
  EXPECT_EQ(none, AnsweredCriteria(dre));
  EXPECT_EQ(none, AnsweredCriteria(tex));
  EXPECT_EQ(none, AnsweredCriteria(datum));
}
