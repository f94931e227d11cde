#include "records/line_parts.h"

#include <gtest/gtest.h>

#include <string>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using LinePartsTest = part_test::PartTest;

// Full district form: R from 0,1,4,5,8,9,10 . 11,12,13; H from 2,3,6,7,14,15,16 . 17,18,19.
const std::string kDistrictPoint = "32575812" "345678901234";
const std::string kSignedPoint = "+3456789" "12+567890123";

TEST_F(LinePartsTest, StartPointReadsAtCursorAndShowsDistrictRows) {
  Parse("xyz" + kDistrictPoint + "7" + "rest", 3);
  int error = -1;
  CUlob0000Part part(error);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 24);
  EXPECT_EQ(part.GetListText(-1), kDistrictPoint + "7");
  double x = 0, y = 0;
  EXPECT_EQ(part.GetPoint(x, y), 0);
  EXPECT_DOUBLE_EQ(x, 3258345.678);
  EXPECT_DOUBLE_EQ(y, 5712901.234);
  EXPECT_EQ(part.FillDetail(), 4);
  ExpectRow(0, "ULOB0000", CP("Grundrißkennzeichen / Anfangspunkt der Linie"), "");
  ExpectRow(1, "DLOB0001", "Numerierungsbezirk (NBZ):", "32575812");
  ExpectRow(2, "DLOB0002", "Koordinate im NBZ:", "345678901234");
  ExpectRow(3, "", "", "( 3258345.678 / 5712901.234 )");
  ExpectRow(4, "DLOB0003", CP("Prüfzeichen:"), "7");
}

TEST_F(LinePartsTest, LeadingSignAloneLabelsYAndXWhileDecoderReadsDistrictForm) {
  // The labels look at the first character only, the decoder also at character 10.
  Parse("+3456789" "120567890123" "1");
  int error = -1;
  CUlob0000Part part(error);
  part.FillDetail();
  ExpectRow(1, "DLOB0001", "Y-Koordinate:", "+345678912");
  ExpectRow(2, "DLOB0002", "X-Koordinate:", "0567890123");
  ExpectRow(3, "", "", "( +367120.567 / 4589890.123 )");
  double x = 0, y = 0;
  EXPECT_EQ(part.GetPoint(x, y), 0);
  EXPECT_DOUBLE_EQ(x, 367120.567);
  EXPECT_DOUBLE_EQ(y, 4589890.123);
}

TEST_F(LinePartsTest, TooShortStartPointReadsNothingAndHasNoPoint) {
  Parse("ab" + kDistrictPoint, 2);  // one character missing
  int error = -1;
  CUlob0000Part part(error);
  EXPECT_EQ(error, 100);
  EXPECT_EQ(g_parsePos, 2);
  EXPECT_EQ(part.GetListText(-1), "");
  double x = 1.5, y = 2.5;
  EXPECT_EQ(part.GetPoint(x, y), 1);
  EXPECT_EQ(x, 1.5);
  g_coordWindow = {-1.0, -1.0, 1.0, 1.0};
  EXPECT_EQ(part.MatchFilter(kCritKoordinate), 0);
  EXPECT_EQ(part.FillDetail(), 4);
  ExpectRow(1, "DLOB0001", "Numerierungsbezirk (NBZ):", "");
}

TEST_F(LinePartsTest, PointCriteriaTestWindowWithEdgesAndDistrict) {
  Parse(kDistrictPoint + "7");
  int error = -1;
  CUlob0000Part part(error);
  g_coordWindow = {3258345.678, 5712901.234, 3258400.0, 5712999.0};
  EXPECT_EQ(part.MatchFilter(kCritKoordinate), 1);
  g_coordWindow = {3258000.0, 5712000.0, 3258400.0, 5712901.233};
  EXPECT_EQ(part.MatchFilter(kCritKoordinate), 0);
  SetArgs({{"32575800", "32575899"}});
  EXPECT_EQ(part.MatchFilter(kCritNumBez), 1);
  EXPECT_EQ(part.MatchFilter(kCritArtGeom), 0);
  SetArgs({{"32575813", "32575899"}});
  EXPECT_EQ(part.MatchFilter(kCritNumBez), 0);
}

TEST_F(LinePartsTest, EndPointShowsKindOfGeometryText) {
  Parse(kDistrictPoint + "52" + "x");
  int error = -1;
  CUlob1000Part part(error);
  EXPECT_EQ(g_parsePos, 22);
  EXPECT_EQ(part.GetGeometryKind(), "52");
  EXPECT_EQ(part.GetListText(-1), kDistrictPoint + "52");
  EXPECT_EQ(part.FillDetail(), 4);
  ExpectRow(0, "ULOB1000", "Endpunkt der Linie / Art der Geometrie", "");
  ExpectRow(1, "DLOB1001", "Numerierungsbezirk (NBZ):", "32575812");
  ExpectRow(2, "DLOB1002", "Koordinate im NBZ:", "345678901234");
  ExpectRow(3, "", "", "( 3258345.678 / 5712901.234 )");
  ExpectRow(4, "DLOB1003", "Art der Geometrie:", CP("52 (Repräsentant für Punkthaufen / Symbol)"));
}

TEST_F(LinePartsTest, UnknownKindOfGeometryIsShownAsRead) {
  Parse(kDistrictPoint + "42");
  int error = -1;
  CUlob1000Part part(error);
  part.FillDetail();
  ExpectRow(4, "DLOB1003", "Art der Geometrie:", "42");
  EXPECT_EQ(GeometryKindText("411"), "411");
  EXPECT_EQ(GeometryKindText("4"), "4");
  EXPECT_EQ(GeometryKindText("91"), CP("91 (Flächendefinition)"));
}

TEST_F(LinePartsTest, TooShortEndAndSupportPointsReportTheirCodesAndHaveNoPoint) {
  Parse(kDistrictPoint + "4");  // 21 characters
  int error = -1;
  double x = 0, y = 0;
  CUlob1000Part end(error);
  EXPECT_EQ(error, 101);
  EXPECT_EQ(end.GetPoint(x, y), 1);
  Parse("3" + std::string(18, ' '));
  CUlob1200Part support(error);
  EXPECT_EQ(error, 104);
  EXPECT_EQ(g_parsePos, 0);
  EXPECT_EQ(support.GetPoint(x, y), 1);
}

TEST_F(LinePartsTest, KindOfGeometryCriterionIsExactAndCaseSensitive) {
  Parse(kDistrictPoint + "9a");
  int error = -1;
  CUlob1000Part part(error);
  SetArgs({{"9A", "9z"}});
  EXPECT_EQ(part.MatchFilter(kCritArtGeom), 0);
  SetArgs({{"9", "9z"}});
  EXPECT_EQ(part.MatchFilter(kCritArtGeom), 0);
  SetArgs({{"9a", ""}});
  EXPECT_EQ(part.MatchFilter(kCritArtGeom), 1);
}

TEST_F(LinePartsTest, SplineMarkerHasNoPoint) {
  Parse("3" + std::string(19, ' '));
  int error = -1;
  CUlob1200Part part(error);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 20);
  EXPECT_EQ(part.m_isSplineKind, 1);
  double x = 7.0, y = 8.0;
  EXPECT_EQ(part.GetPoint(x, y), 1);
  EXPECT_EQ(x, 7.0);
  g_coordWindow = {-1e9, -1e9, 1e9, 1e9};
  EXPECT_EQ(part.MatchFilter(kCritKoordinate), 0);
  EXPECT_EQ(part.FillDetail(), 1);
  ExpectRow(0, "ULOB1200", "Art des Splines", "");
  ExpectRow(1, "DLOB1201", "Art des Splines:", CP("3 (2 Stützpunkte im Kurvenauslauf des Endpunktes)"));
}

TEST_F(LinePartsTest, DigitAtTheEndMakesSplineFieldAPoint) {
  Parse("3" + std::string(18, ' ') + "7");
  int error = -1;
  CUlob1200Part part(error);
  EXPECT_EQ(part.m_isSplineKind, 0);
  double x = 0, y = 0;
  EXPECT_EQ(part.GetPoint(x, y), 0);
  EXPECT_DOUBLE_EQ(x, 3.0);
  EXPECT_DOUBLE_EQ(y, 0.7);
  EXPECT_EQ(part.FillDetail(), 3);
  ExpectRow(0, "ULOB1200", CP("Stützpunkt"), "");
  ExpectRow(1, "DLOB1201", "Numerierungsbezirk (NBZ):", "3       ");
  ExpectRow(2, "DLOB1202", "Koordinate im NBZ:", "           7");
  ExpectRow(3, "", "", "( 3      .  /        .7 )");
}

TEST_F(LinePartsTest, SignedSupportPointShowsYAndX) {
  Parse(kSignedPoint);
  int error = -1;
  CUlob1200Part part(error);
  EXPECT_EQ(part.GetListText(-1), kSignedPoint);
  EXPECT_EQ(part.FillDetail(), 3);
  ExpectRow(0, "ULOB1200", CP("Stützpunkt"), "");
  ExpectRow(1, "DLOB1201", "Y-Koordinate:", "+345678912");
  ExpectRow(2, "DLOB1202", "X-Koordinate:", "+567890123");
  ExpectRow(3, "", "", "( +345678.912 / +567890.123 )");
}

TEST(SplineKindTextTest, KnownKindsAndAnyOtherCharacter) {
  EXPECT_EQ(SplineKindText('1'), CP("1 (kein Stützpunkt im Kurvenauslauf)"));
  EXPECT_EQ(SplineKindText('4'), CP("4 (je 2 Stützpunkte im K. des Anfangs- und Endpunktes)"));
  EXPECT_EQ(SplineKindText('5'), "5 (geschlossene Kurve)");
  EXPECT_EQ(SplineKindText('0'), "0");
  EXPECT_EQ(SplineKindText('\0'), std::string(1, '\0'));
}

}  // namespace
