#include "records/begrenzung_part.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/part_test.h"

namespace {

using BegrenzungPart = part_test::PartTest;
using part_test::Row;

// Full district form: R = 35 46 123.456, H = 56 23 789.012.
const std::string kDistrictHead = "35564623";
const std::string kDistrictTail = "123456789012";
// Signed form: R = +354612.345, H = -562378.901.
const std::string kSignedHead = "+3546123";
const std::string kSignedTail = "45-562378901";

}  // namespace

TEST_F(BegrenzungPart, DistrictFormDetailRows) {
  Parse(kDistrictHead + kDistrictTail + "35574624" + "000000999999");
  int error = -1;
  CBegrenzungPart part(error);
  ASSERT_EQ(error, 0);
  EXPECT_EQ(part.m_type, 28);
  ASSERT_EQ(part.FillDetail(), 7);
  const std::vector<Row> expected = {
      {"", "Begrenzung der EDBS-Datei", ""},
      {"", "Numerierungsbezirk (NBZ):", "35564623"},
      {"", "Koordinate im NBZ:", "123456789012"},
      {"", "", "( 3546123.456 / 5623789.012 )"},
      {"", "", ""},
      {"", "Numerierungsbezirk (NBZ):", "35574624"},
      {"", "Koordinate im NBZ:", "000000999999"},
      {"", "", "( 3546000.000 / 5724999.999 )"},
  };
  EXPECT_EQ(Rows(7), expected);
}

TEST_F(BegrenzungPart, SignedFormDetailRows) {
  Parse(kSignedHead + kSignedTail + "-0000010" + "00+000002000");
  int error = -1;
  CBegrenzungPart part(error);
  ASSERT_EQ(error, 0);
  ASSERT_EQ(part.FillDetail(), 7);
  const std::vector<Row> expected = {
      {"", "Begrenzung der EDBS-Datei", ""},
      {"", "Y-Koordinate:", "+354612345"},
      {"", "X-Koordinate:", "-562378901"},
      {"", "", "( +354612.345 / -562378.901 )"},
      {"", "", ""},
      {"", "Y-Koordinate:", "-000001000"},
      {"", "X-Koordinate:", "+000002000"},
      {"", "", "( -000001.000 / +000002.000 )"},
  };
  EXPECT_EQ(Rows(7), expected);
}

// The first corner's form decides labels and split of both corners.
TEST_F(BegrenzungPart, SecondCornerFollowsSignedFirstCorner) {
  Parse(kSignedHead + kSignedTail + kDistrictHead + kDistrictTail);
  int error = -1;
  CBegrenzungPart part(error);
  ASSERT_EQ(error, 0);
  part.FillDetail();
  EXPECT_EQ(DetailTable.Label(5), "Y-Koordinate:");
  EXPECT_EQ(DetailTable.Value(5), "3556462312");
  EXPECT_EQ(DetailTable.Label(6), "X-Koordinate:");
  EXPECT_EQ(DetailTable.Value(6), "3456789012");
  // The formatted point still reads corner 2 in its own form.
  EXPECT_EQ(DetailTable.Value(7), "( 3546123.456 / 5623789.012 )");
}

TEST_F(BegrenzungPart, SecondCornerFollowsDistrictFirstCorner) {
  Parse(kDistrictHead + kDistrictTail + kSignedHead + kSignedTail);
  int error = -1;
  CBegrenzungPart part(error);
  ASSERT_EQ(error, 0);
  part.FillDetail();
  EXPECT_EQ(DetailTable.Label(5), "Numerierungsbezirk (NBZ):");
  EXPECT_EQ(DetailTable.Value(5), "+3546123");
  EXPECT_EQ(DetailTable.Label(6), "Koordinate im NBZ:");
  EXPECT_EQ(DetailTable.Value(6), "45-562378901");
  EXPECT_EQ(DetailTable.Value(7), "( +354612.345 / -562378.901 )");
}

TEST_F(BegrenzungPart, ClearsRowsZeroToSevenOnly) {
  Parse(kDistrictHead + kDistrictTail + kDistrictHead + kDistrictTail);
  int error = -1;
  CBegrenzungPart part(error);
  for (int row = 0; row <= 8; ++row) DetailTable.Set(row, "old", "old", "old");
  part.FillDetail();
  EXPECT_EQ(DetailTable.Tag(0), "");
  EXPECT_EQ(DetailTable.Value(0), "");
  EXPECT_EQ(DetailTable.Tag(4), "");
  EXPECT_EQ(DetailTable.Label(4), "");
  EXPECT_EQ(DetailTable.Value(4), "");
  EXPECT_EQ(DetailTable.Tag(8), "old");
}

TEST_F(BegrenzungPart, DecodesBothCorners) {
  Parse(kDistrictHead + kDistrictTail + kSignedHead + kSignedTail);
  int error = -1;
  CBegrenzungPart part(error);
  EXPECT_DOUBLE_EQ(part.m_x1, 3546123.456);
  EXPECT_DOUBLE_EQ(part.m_y1, 5623789.012);
  EXPECT_DOUBLE_EQ(part.m_x2, 354612.345);
  EXPECT_DOUBLE_EQ(part.m_y2, -562378.901);
}

TEST_F(BegrenzungPart, ReadsFortyCharactersAtTheCursor) {
  int error = -1;
  const std::string corners = kDistrictHead + kDistrictTail + kSignedHead + kSignedTail;
  Parse("0123456789" + corners + "REST", 10);
  CBegrenzungPart part(error);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 50);
  EXPECT_EQ(part.GetListText(-1), corners);
}

TEST_F(BegrenzungPart, ThirtyNineCharactersGiveError128) {
  int error = 0;
  Parse("01" + (kDistrictHead + kDistrictTail + kSignedHead + kSignedTail).substr(0, 39), 2);
  CBegrenzungPart part(error);
  EXPECT_EQ(error, 128);
  EXPECT_EQ(g_parsePos, 2);
  EXPECT_EQ(part.GetListText(-1), "");
  EXPECT_EQ(part.m_x1, 0.0);
  EXPECT_EQ(part.m_y2, 0.0);
  EXPECT_EQ(part.FillDetail(), 7);
  EXPECT_EQ(DetailTable.Label(1), "Numerierungsbezirk (NBZ):");
  EXPECT_EQ(DetailTable.Value(1), "");
}
