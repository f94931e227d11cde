#include "records/attribute_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using Ulta0000Part = part_test::PartTest;
using Ulta1000Part = part_test::PartTest;
using part_test::Row;

}  // namespace

// --- ULTA0000 ------------------------------------------------------------------------------

TEST_F(Ulta0000Part, ReadsThirteenCharactersAtTheCursor) {
  Parse("0001A000050001X07REST", 4);
  int error = -1;
  CUlta0000Part part(error);
  EXPECT_EQ(0, error);
  EXPECT_EQ(17, g_parsePos);
  EXPECT_EQ("A000050001X07", part.GetListText(0));
}

TEST_F(Ulta0000Part, TooShortGives112AndReadsNothing) {
  Parse("0001A000050001X0", 4);
  int error = 0;
  CUlta0000Part part(error);
  EXPECT_EQ(112, error);
  EXPECT_EQ(4, g_parsePos);
  EXPECT_EQ("", part.GetListText(0));
  EXPECT_EQ(4, part.FillDetail());
  EXPECT_EQ("", DetailTable.Value(1));
}

TEST_F(Ulta0000Part, DetailShowsIdentificationAndAdministration) {
  Parse("A000050001X07");
  int error = -1;
  CUlta0000Part part(error);
  FillWithOldRows();
  ASSERT_EQ(4, part.FillDetail());
  const std::vector<Row> expected = {
      {"ULTA0000", "Attributkennzeichen und Verwaltung", ""},
      {"DLTA0001", "Objektnummer:", "A000050"},
      {"DLTA0002", "Objektteilnummer:", "001"},
      {"DLTA0003", CP("Prüfzeichen:"), "X"},
      {"DLTA0004", CP("Aktualität:"), "07"},
  };
  EXPECT_EQ(expected, Rows(4));
}

TEST_F(Ulta0000Part, ObjectNumberTailCriterionComparesLastSixCharacters) {
  Parse("B000060001X07");
  int error = -1;
  CUlta0000Part part(error);
  SetArgs({{"A000050", "A000099"}});
  EXPECT_EQ(0, part.MatchFilter(kCritObjNr));
  EXPECT_EQ(1, part.MatchFilter(kCritObjNrOhneDatenbank));
}

TEST_F(Ulta0000Part, AnswersObjectNumberAndCurrencyOnly) {
  Parse("A000060001X07");
  int error = -1;
  CUlta0000Part part(error);
  SetArgs({{"A000050", "A000099"}});
  EXPECT_EQ(1, part.MatchFilter(kCritObjNr));
  EXPECT_EQ(0, part.MatchFilter(kCritAktualitaet));
  SetArgs({{"05", "08"}});
  EXPECT_EQ(1, part.MatchFilter(kCritAktualitaet));
  EXPECT_EQ(0, part.MatchFilter(kCritObjNr));
  SetArgs({{"", std::string(20, '\xff')}});
  EXPECT_EQ(0, part.MatchFilter(kCritAttribut));
  EXPECT_EQ(0, part.MatchFilter(kCritObjTyp));
  EXPECT_EQ(0, part.MatchFilter(kCritObjArtOhneDarstellung));
}

// --- ULTA1000 ------------------------------------------------------------------------------

TEST_F(Ulta1000Part, ListTextIsTheElevenCharactersAsRead) {
  Parse(std::string("1234") + '\0' + "ab  c ");
  int error = -1;
  CUlta1000Part part(error);
  EXPECT_EQ(0, error);
  EXPECT_EQ(11, g_parsePos);
  EXPECT_EQ(g_parseText, part.GetListText(0));
}

TEST_F(Ulta1000Part, TooShortGives113AndHasNoAttribute) {
  Parse("0001123456789", 4);
  int error = 0;
  CUlta1000Part part(error);
  EXPECT_EQ(113, error);
  EXPECT_EQ(4, g_parsePos);
  EXPECT_EQ("", part.GetAttribute());
}

TEST_F(Ulta1000Part, AttributeIsTheAttributeType) {
  Parse("0001BAU 0000123", 4);
  int error = -1;
  CUlta1000Part part(error);
  ASSERT_EQ(0, error);
  EXPECT_EQ("BAU ", part.GetAttribute());
}

TEST_F(Ulta1000Part, DetailShowsTypeAndValue) {
  Parse("BAU 0000123");
  int error = -1;
  CUlta1000Part part(error);
  FillWithOldRows();
  ASSERT_EQ(2, part.FillDetail());
  ExpectRow(0, "ULTA1000", "Attribut", "");
  ExpectRow(1, "DLTA1001", "Attributtyp:", "BAU ");
  ExpectRow(2, "DLTA1002", "Attributwert:", "0000123");
}

TEST_F(Ulta1000Part, AnswersAttributeTypeOnly) {
  Parse("BAU 0000123");
  int error = -1;
  CUlta1000Part part(error);
  SetArgs({{"bau", "bau z"}});
  EXPECT_EQ(1, part.MatchFilter(kCritAttribut));
  SetArgs({{"", std::string(20, '\xff')}});
  EXPECT_EQ(0, part.MatchFilter(kCritObjNr));
  EXPECT_EQ(0, part.MatchFilter(kCritAktualitaet));
  SetArgs({{"BAV", "BAZ"}});
  EXPECT_EQ(0, part.MatchFilter(kCritAttribut));
}
