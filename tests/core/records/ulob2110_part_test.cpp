#include "records/ulob2110_part.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

const std::string kSignedField = "+123456789-987654321";  // R +123456.789, H -987654.321
const std::string kDistrictField = "32455678901234567890";  // full district form
const std::string kSpline3 = "3                   ";      // kind of spline 3, no point

class SpecialInfoPointPartTest : public part_test::PartTest {
 protected:
  using PartTest::Parse;

  // Parses one point field under the given kind of geometry; error must be 0.
  static void Parse(const std::string& field, const std::string& kind, std::unique_ptr<CUlob2110Part>& out) {
    Parse(field);
    int error = -1;
    out = std::make_unique<CUlob2110Part>(error, kind);
    EXPECT_EQ(error, 0);
  }

  static int Detail(const std::string& field, const std::string& kind) {
    std::unique_ptr<CUlob2110Part> part;
    Parse(field, kind, part);
    return part->FillDetail();
  }

  static int HasNoPoint(const std::string& field, const std::string& kind) {
    std::unique_ptr<CUlob2110Part> part;
    Parse(field, kind, part);
    double x = -1, y = -1;
    return part->GetPoint(x, y);
  }
};

// --- Reading the field ---

TEST_F(SpecialInfoPointPartTest, ReadsPointAtCursor) {
  Parse("EDBS" + kSignedField + "0001", 4);
  int error = -1;
  CUlob2110Part part(error, "11");
  EXPECT_EQ(error, 0);
  EXPECT_EQ(part.m_type, kPtUlob2110);
  EXPECT_EQ(g_parsePos, 24);
  EXPECT_EQ(part.GetListText(0), kSignedField);
  double x = 0, y = 0;
  EXPECT_EQ(part.GetPoint(x, y), 0);
  EXPECT_DOUBLE_EQ(x, 123456.789);
  EXPECT_DOUBLE_EQ(y, -987654.321);
  EXPECT_EQ(part.GetDirectionAngle(), 0.0);
}

TEST_F(SpecialInfoPointPartTest, TooShortRecordGives107AndNoPoint) {
  Parse("EDBS" + kSignedField.substr(0, 19), 4);
  int error = -1;
  CUlob2110Part part(error, "11");
  EXPECT_EQ(error, 107);
  EXPECT_EQ(g_parsePos, 4);
  EXPECT_EQ(part.GetListText(0), "");
  double x = 7, y = 8;
  EXPECT_EQ(part.GetPoint(x, y), 1);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
  EXPECT_EQ(part.GetDirectionAngle(), 0.0);
  g_coordWindow = {-1, -1, 1, 1};
  EXPECT_EQ(part.MatchFilter(kCritKoordinate), 0);
}

TEST_F(SpecialInfoPointPartTest, AngleFieldCarriesDirectionNotPoint) {
  std::unique_ptr<CUlob2110Part> part;
  Parse("TT000000000000012345", "53", part);
  double x = 7, y = 8;
  EXPECT_EQ(part->GetPoint(x, y), 1);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
  EXPECT_EQ(part->GetDirectionAngle(), 12345.0);
  Parse("tt000000000000000005", "11", part);
  EXPECT_EQ(part->GetPoint(x, y), 1);
  EXPECT_EQ(part->GetDirectionAngle(), 5.0);
  Parse("TT00000000000000abc1", "53", part);  // non-numeric digits count as 0
  EXPECT_EQ(part->GetDirectionAngle(), 0.0);
  Parse("Tt000000000000012345", "53", part);  // mixed case is no angle field
  EXPECT_EQ(part->GetPoint(x, y), 0);
}

TEST_F(SpecialInfoPointPartTest, EighteenDigitAngleDoesNotOverflow) {
  std::unique_ptr<CUlob2110Part> part;
  Parse("TT123456789012345678", "53", part);
  EXPECT_EQ(part->GetDirectionAngle(), 123456789012345678.0);
  Parse("TT000000004294967396", "53", part);  // 2^32 + 100
  EXPECT_EQ(part->GetDirectionAngle(), 4294967396.0);
  part->FillDetail();
  EXPECT_EQ(DetailTable.Value(2), "42949673.96 gon");
}

TEST_F(SpecialInfoPointPartTest, SplineMarkerHasNoPointUnderSplineKinds) {
  for (const char* kind : {"41", "91", "92", "93"}) EXPECT_EQ(HasNoPoint(kSpline3, kind), 1) << kind;
}

TEST_F(SpecialInfoPointPartTest, SplineMarkerIsAPointUnderOtherKinds) {
  std::unique_ptr<CUlob2110Part> part;
  Parse(kSpline3, "15", part);
  double x = 0, y = 0;
  EXPECT_EQ(part->GetPoint(x, y), 0);
  EXPECT_EQ(x, 3.0);
  EXPECT_EQ(y, 0.0);
  EXPECT_EQ(HasNoPoint("3                  7", "41"), 0);  // last character set: a point
}

TEST_F(SpecialInfoPointPartTest, MatrixKindsHaveNoPoint) {
  EXPECT_EQ(HasNoPoint("00000000120000000034", "61"), 1);
  EXPECT_EQ(HasNoPoint(kDistrictField, "63"), 1);
  EXPECT_EQ(HasNoPoint(kDistrictField, "62"), 0);
}

// --- Detail rows ---

TEST_F(SpecialInfoPointPartTest, DistrictPointRowsUnderStraightLine) {
  EXPECT_EQ(Detail(kDistrictField, "11"), 3);
  ExpectRows(0, {{"ULOB2110", "Anfangspunkt / Endpunkt / Name", ""},
                 {"DLOB2111", "Numerierungsbezirk (NBZ):", "32455678"},
                 {"DLOB2112", "Koordinate im NBZ:", "901234567890"},
                 {"", "", "( 3256901.234 / 4578567.890 )"}});
}

TEST_F(SpecialInfoPointPartTest, SignedPointShowsTenCharactersEach) {
  EXPECT_EQ(Detail("-123456789+987654321", "11"), 3);
  ExpectRows(0, {{"ULOB2110", "Anfangspunkt / Endpunkt / Name", ""},
                 {"DLOB2111", "Y-Koordinate:", "-123456789"},
                 {"DLOB2112", "X-Koordinate:", "+987654321"},
                 {"", "", "( -123456.789 / +987654.321 )"}});
}

TEST_F(SpecialInfoPointPartTest, TitleByGeometryKind) {
  const std::vector<std::pair<std::string, std::string>> titles = {
      {"11", "Anfangspunkt / Endpunkt / Name"},
      {"12", "Geradenschar"},
      {"15", CP("Stützpunkt Polygonzug")},
      {"21", "Kreismittelpunkt"},
      {"30", CP("Stützpunkt Klothoide oder andere Kurve")},
      {"41", CP("Stützpunkt Spline")},
      {"51", "Einzelpunkt / Symbol in Standardausrichtung"},
      {"52", CP("Repräsentent für Punkthaufen / Symbol in Standardausrichtung")},
      {"53", "Lagekoordinate eines Symbols"},
      {"91", CP("Flächendefinition")},
      {"99", "Anfangspunkt / Endpunkt / Name"},
  };
  for (const auto& [kind, title] : titles) {
    EXPECT_EQ(Detail(kDistrictField, kind), 3) << kind;
    ExpectRows(0, {{"ULOB2110", title, ""}});
    ExpectRows(1, {{"DLOB2111", "Numerierungsbezirk (NBZ):", "32455678"}});
    ExpectRows(3, {{"", "", "( 3256901.234 / 4578567.890 )"}});
  }
}

TEST_F(SpecialInfoPointPartTest, SymbolDirectionInGon) {
  EXPECT_EQ(Detail("TT000000000000012345", "53"), 3);
  ExpectRows(0, {{"ULOB2110", "Einzelpunkt / Symbol in besonderer Ausrichtung", ""},
                 {"DLOB2111", "Identifikator:", "TT"},
                 {"DLOB2112", "Richtungswinkel:", "123.45 gon"},
                 {"", "", ""}});
  Detail("tt000000000000000005", "53");
  ExpectRows(1, {{"DLOB2111", "Identifikator:", "tt"}, {"DLOB2112", "Richtungswinkel:", "  0.05 gon"}});
}

TEST_F(SpecialInfoPointPartTest, SplineKindRowUnderSplineGeometry) {
  EXPECT_EQ(Detail(kSpline3, "41"), 1);
  ExpectRows(0, {{"ULOB2110", "Art des Splines", ""},
                 {"DLOB2111", "Art des Splines:", CP("3 (2 Stützpunkte im Kurvenauslauf des Endpunktes)")}});
  const std::vector<std::pair<char, std::string>> texts = {
      {'1', CP("1 (kein Stützpunkt im Kurvenauslauf)")},
      {'5', "5 (geschlossene Kurve)"},
      {'7', "7"},
  };
  for (const auto& [c, text] : texts) {
    EXPECT_EQ(Detail(std::string(1, c) + std::string(19, ' '), "41"), 1);
    EXPECT_EQ(DetailTable.Value(1), text);
  }
}

TEST_F(SpecialInfoPointPartTest, SplineMarkerUnderLineChainKeepsItsRows) {
  EXPECT_EQ(Detail("5                   ", "92"), 1);
  ExpectRows(0, {{"ULOB2110", "Linienkette", ""}, {"DLOB2111", "Art des Splines:", "5 (geschlossene Kurve)"}});
}

TEST_F(SpecialInfoPointPartTest, IdentifierUnderAreaDefinition) {
  EXPECT_EQ(Detail("TT41                ", "91"), 3);
  ExpectRows(0, {{"ULOB2110", CP("Flächendefinition"), ""},
                 {"DLOB2111", "Identifikator:", "TT"},
                 {"DLOB2112", "Art der Geometrie:", "41"},
                 {"", "", ""}});
}

TEST_F(SpecialInfoPointPartTest, MatrixValueRows) {
  EXPECT_EQ(Detail("00000000120000000034", "61"), 3);
  ExpectRows(0, {{"ULOB2110", "Matrixwerte", ""},
                 {"DLOB2111", "Matrixwert 1:", "0000000012"},
                 {"DLOB2112", "Matrixwert 2:", "0000000034"},
                 {"", "", ""}});
  EXPECT_EQ(Detail("00000000120000000034", "63"), 3);
  ExpectRows(0, {{"ULOB2110", "Matrixwerte - Runlength", ""},
                 {"DLOB2111", "Runlength:", "0000000012"},
                 {"DLOB2112", "Matrixwert:", "0000000034"},
                 {"", "", ""}});
}

// --- Filter ---

TEST_F(SpecialInfoPointPartTest, CoordinateWindowOnlyForPoints) {
  g_coordWindow = {0.0, -1.0, 10.0, 1.0};  // holds (3, 0)
  std::unique_ptr<CUlob2110Part> part;
  Parse(kSpline3, "15", part);
  EXPECT_EQ(part->MatchFilter(kCritKoordinate), 1);
  Parse(kSpline3, "41", part);
  EXPECT_EQ(part->MatchFilter(kCritKoordinate), 0);
  Parse(kSignedField, "11", part);
  EXPECT_EQ(part->MatchFilter(kCritKoordinate), 0);
  g_coordWindow = {123456.789, -987654.321, 123456.789, -987654.321};
  EXPECT_EQ(part->MatchFilter(kCritKoordinate), 1);
}

TEST_F(SpecialInfoPointPartTest, NumberingDistrictRangeOnFirstEightCharacters) {
  SetArgs({{"32455600", "32455699"}});
  std::unique_ptr<CUlob2110Part> part;
  Parse(kDistrictField, "11", part);
  EXPECT_EQ(part->MatchFilter(kCritNumBez), 1);
  EXPECT_EQ(part->MatchFilter(kCritArtGeom), 0);
  Parse("32455700901234567890", "11", part);
  EXPECT_EQ(part->MatchFilter(kCritNumBez), 0);
}

}  // namespace
