#include "records/attribute_parts.h"

#include <gtest/gtest.h>

#include <string>

#include "records/filter_values.h"

namespace {

void SetFilterRange(std::string from, std::string to) {
  ResetFilterValues();
  g_filterArgCount = 1;
  g_filterFrom[0] = std::move(from);
  g_filterTo[0] = std::move(to);
}

// Prefills the table so that a row the part forgets to write shows up.
void ClearDetailToJunk() {
  for (int r = 0; r < CDetailTable::kRows; ++r) DetailTable.Set(r, "ALT", "alt", "alt");
}

}  // namespace

// --- ULTA0000 ------------------------------------------------------------------------------

TEST(Ulta0000Part, ReadsThirteenCharactersAtTheCursor) {
  g_parseText = "0001A000050001X07REST";
  g_parsePos = 4;
  int error = -1;
  CUlta0000Part part(error);
  EXPECT_EQ(0, error);
  EXPECT_EQ(17, g_parsePos);
  EXPECT_EQ("A000050001X07", part.GetListText(0));
}

TEST(Ulta0000Part, TooShortGives112AndReadsNothing) {
  g_parseText = "0001A000050001X0";
  g_parsePos = 4;
  int error = 0;
  CUlta0000Part part(error);
  EXPECT_EQ(112, error);
  EXPECT_EQ(4, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
  EXPECT_EQ(4, part.FillDetail());
  EXPECT_EQ("", DetailTable.Value(1));
}

TEST(Ulta0000Part, DetailShowsIdentificationAndAdministration) {
  g_parseText = "A000050001X07";
  g_parsePos = 0;
  int error = -1;
  CUlta0000Part part(error);
  ClearDetailToJunk();
  ASSERT_EQ(4, part.FillDetail());
  const char* expected[][3] = {
      {"ULTA0000", "Attributkennzeichen und Verwaltung", ""},
      {"DLTA0001", "Objektnummer:", "A000050"},
      {"DLTA0002", "Objektteilnummer:", "001"},
      {"DLTA0003", "Prüfzeichen:", "X"},
      {"DLTA0004", "Aktualität:", "07"},
  };
  for (int r = 0; r <= 4; ++r) {
    EXPECT_EQ(expected[r][0], DetailTable.Tag(r)) << r;
    EXPECT_EQ(expected[r][1], DetailTable.Label(r)) << r;
    EXPECT_EQ(expected[r][2], DetailTable.Value(r)) << r;
  }
}

TEST(Ulta0000Part, ObjectNumberTailCriterionComparesLastSixCharacters) {
  g_parseText = "B000060001X07";
  g_parsePos = 0;
  int error = -1;
  CUlta0000Part part(error);
  SetFilterRange("A000050", "A000099");
  EXPECT_EQ(0, part.MatchFilter(13));
  EXPECT_EQ(1, part.MatchFilter(113));
}

TEST(Ulta0000Part, AnswersObjectNumberAndCurrencyOnly) {
  g_parseText = "A000060001X07";
  g_parsePos = 0;
  int error = -1;
  CUlta0000Part part(error);
  SetFilterRange("A000050", "A000099");
  EXPECT_EQ(1, part.MatchFilter(13));
  EXPECT_EQ(0, part.MatchFilter(14));
  SetFilterRange("05", "08");
  EXPECT_EQ(1, part.MatchFilter(14));
  EXPECT_EQ(0, part.MatchFilter(13));
  SetFilterRange("", std::string(20, '\xff'));
  EXPECT_EQ(0, part.MatchFilter(19));
  EXPECT_EQ(0, part.MatchFilter(12));
  EXPECT_EQ(0, part.MatchFilter(111));
}

// --- ULTA1000 ------------------------------------------------------------------------------

TEST(Ulta1000Part, ListTextIsTheElevenCharactersAsRead) {
  g_parseText = std::string("1234") + '\0' + "ab  c ";
  g_parsePos = 0;
  int error = -1;
  CUlta1000Part part(error);
  EXPECT_EQ(0, error);
  EXPECT_EQ(11, g_parsePos);
  EXPECT_EQ(g_parseText, part.GetListText(0));
}

TEST(Ulta1000Part, TooShortGives113AndHasNoAttribute) {
  g_parseText = "0001123456789";
  g_parsePos = 4;
  int error = 0;
  CUlta1000Part part(error);
  EXPECT_EQ(113, error);
  EXPECT_EQ(4, g_parsePos);
  EXPECT_EQ("", part.GetAttribute());
}

TEST(Ulta1000Part, AttributeIsTheAttributeType) {
  g_parseText = "0001BAU 0000123";
  g_parsePos = 4;
  int error = -1;
  CUlta1000Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ("BAU ", part.GetAttribute());
}

TEST(Ulta1000Part, DetailShowsTypeAndValue) {
  g_parseText = "BAU 0000123";
  g_parsePos = 0;
  int error = -1;
  CUlta1000Part part(error);
  ClearDetailToJunk();
  ASSERT_EQ(2, part.FillDetail());
  EXPECT_EQ("ULTA1000", DetailTable.Tag(0));
  EXPECT_EQ("Attribut", DetailTable.Label(0));
  EXPECT_EQ("", DetailTable.Value(0));
  EXPECT_EQ("DLTA1001", DetailTable.Tag(1));
  EXPECT_EQ("Attributtyp:", DetailTable.Label(1));
  EXPECT_EQ("BAU ", DetailTable.Value(1));
  EXPECT_EQ("DLTA1002", DetailTable.Tag(2));
  EXPECT_EQ("Attributwert:", DetailTable.Label(2));
  EXPECT_EQ("0000123", DetailTable.Value(2));
}

TEST(Ulta1000Part, AnswersAttributeTypeOnly) {
  g_parseText = "BAU 0000123";
  g_parsePos = 0;
  int error = -1;
  CUlta1000Part part(error);
  SetFilterRange("bau", "bau z");
  EXPECT_EQ(1, part.MatchFilter(19));
  SetFilterRange("", std::string(20, '\xff'));
  EXPECT_EQ(0, part.MatchFilter(13));
  EXPECT_EQ(0, part.MatchFilter(14));
  SetFilterRange("BAV", "BAZ");
  EXPECT_EQ(0, part.MatchFilter(19));
}
