#include "records/begrenzung_part.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Full district form: R = 35 46 123.456, H = 56 23 789.012.
const std::string kDistrictHead = "35564623";
const std::string kDistrictTail = "123456789012";
// Signed form: R = +354612.345, H = -562378.901.
const std::string kSignedHead = "+3546123";
const std::string kSignedTail = "45-562378901";

struct Row {
  const char* label;
  std::string value;
};

CBegrenzungPart* Read(const std::string& text, int& error) {
  g_parseText = text;
  g_parsePos = 0;
  return new CBegrenzungPart(error);
}

void ExpectRows(const Row (&expected)[8]) {
  for (int row = 0; row <= 7; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(DetailTable.Tag(row), "");
    EXPECT_EQ(DetailTable.Label(row), expected[row].label);
    EXPECT_EQ(DetailTable.Value(row), expected[row].value);
  }
}

}  // namespace

TEST(BegrenzungPart, DistrictFormDetailRows) {
  int error = -1;
  std::unique_ptr<CBegrenzungPart> part(
      Read(kDistrictHead + kDistrictTail + "35574624" + "000000999999", error));
  ASSERT_EQ(error, 0);
  EXPECT_EQ(part->m_type, 28);
  DetailTable.ClearAll();
  ASSERT_EQ(part->FillDetail(), 7);
  ExpectRows({
      {"Begrenzung der EDBS-Datei", ""},
      {"Numerierungsbezirk (NBZ):", "35564623"},
      {"Koordinate im NBZ:", "123456789012"},
      {"", "( 3546123.456 / 5623789.012 )"},
      {"", ""},
      {"Numerierungsbezirk (NBZ):", "35574624"},
      {"Koordinate im NBZ:", "000000999999"},
      {"", "( 3546000.000 / 5724999.999 )"},
  });
}

TEST(BegrenzungPart, SignedFormDetailRows) {
  int error = -1;
  std::unique_ptr<CBegrenzungPart> part(
      Read(kSignedHead + kSignedTail + "-0000010" + "00+000002000", error));
  ASSERT_EQ(error, 0);
  DetailTable.ClearAll();
  ASSERT_EQ(part->FillDetail(), 7);
  ExpectRows({
      {"Begrenzung der EDBS-Datei", ""},
      {"Y-Koordinate:", "+354612345"},
      {"X-Koordinate:", "-562378901"},
      {"", "( +354612.345 / -562378.901 )"},
      {"", ""},
      {"Y-Koordinate:", "-000001000"},
      {"X-Koordinate:", "+000002000"},
      {"", "( -000001.000 / +000002.000 )"},
  });
}

// The first corner's form decides labels and split of both corners.
TEST(BegrenzungPart, SecondCornerFollowsSignedFirstCorner) {
  int error = -1;
  std::unique_ptr<CBegrenzungPart> part(Read(kSignedHead + kSignedTail + kDistrictHead + kDistrictTail, error));
  ASSERT_EQ(error, 0);
  DetailTable.ClearAll();
  part->FillDetail();
  EXPECT_EQ(DetailTable.Label(5), "Y-Koordinate:");
  EXPECT_EQ(DetailTable.Value(5), "3556462312");
  EXPECT_EQ(DetailTable.Label(6), "X-Koordinate:");
  EXPECT_EQ(DetailTable.Value(6), "3456789012");
  // The formatted point still reads corner 2 in its own form.
  EXPECT_EQ(DetailTable.Value(7), "( 3546123.456 / 5623789.012 )");
}

TEST(BegrenzungPart, SecondCornerFollowsDistrictFirstCorner) {
  int error = -1;
  std::unique_ptr<CBegrenzungPart> part(Read(kDistrictHead + kDistrictTail + kSignedHead + kSignedTail, error));
  ASSERT_EQ(error, 0);
  DetailTable.ClearAll();
  part->FillDetail();
  EXPECT_EQ(DetailTable.Label(5), "Numerierungsbezirk (NBZ):");
  EXPECT_EQ(DetailTable.Value(5), "+3546123");
  EXPECT_EQ(DetailTable.Label(6), "Koordinate im NBZ:");
  EXPECT_EQ(DetailTable.Value(6), "45-562378901");
  EXPECT_EQ(DetailTable.Value(7), "( +354612.345 / -562378.901 )");
}

TEST(BegrenzungPart, ClearsRowsZeroToSevenOnly) {
  int error = -1;
  std::unique_ptr<CBegrenzungPart> part(Read(kDistrictHead + kDistrictTail + kDistrictHead + kDistrictTail, error));
  for (int row = 0; row <= 8; ++row) DetailTable.Set(row, "old", "old", "old");
  part->FillDetail();
  EXPECT_EQ(DetailTable.Tag(0), "");
  EXPECT_EQ(DetailTable.Value(0), "");
  EXPECT_EQ(DetailTable.Tag(4), "");
  EXPECT_EQ(DetailTable.Label(4), "");
  EXPECT_EQ(DetailTable.Value(4), "");
  EXPECT_EQ(DetailTable.Tag(8), "old");
}

TEST(BegrenzungPart, DecodesBothCorners) {
  int error = -1;
  std::unique_ptr<CBegrenzungPart> part(Read(kDistrictHead + kDistrictTail + kSignedHead + kSignedTail, error));
  EXPECT_DOUBLE_EQ(part->m_x1, 3546123.456);
  EXPECT_DOUBLE_EQ(part->m_y1, 5623789.012);
  EXPECT_DOUBLE_EQ(part->m_x2, 354612.345);
  EXPECT_DOUBLE_EQ(part->m_y2, -562378.901);
}

TEST(BegrenzungPart, ReadsFortyCharactersAtTheCursor) {
  int error = -1;
  const std::string corners = kDistrictHead + kDistrictTail + kSignedHead + kSignedTail;
  g_parseText = "0123456789" + corners + "REST";
  g_parsePos = 10;
  CBegrenzungPart part(error);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 50);
  EXPECT_EQ(part.GetListText(-1), corners);
}

TEST(BegrenzungPart, ThirtyNineCharactersGiveError128) {
  int error = 0;
  g_parseText = "01" + (kDistrictHead + kDistrictTail + kSignedHead + kSignedTail).substr(0, 39);
  g_parsePos = 2;
  CBegrenzungPart part(error);
  EXPECT_EQ(error, 128);
  EXPECT_EQ(g_parsePos, 2);
  EXPECT_EQ(part.GetListText(-1), "");
  EXPECT_EQ(part.m_x1, 0.0);
  EXPECT_EQ(part.m_y2, 0.0);
  DetailTable.ClearAll();
  EXPECT_EQ(part.FillDetail(), 7);
  EXPECT_EQ(DetailTable.Label(1), "Numerierungsbezirk (NBZ):");
  EXPECT_EQ(DetailTable.Value(1), "");
}
