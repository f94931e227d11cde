#include "records/object_function_part.h"

#include <gtest/gtest.h>

#include <string>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using ObjectFunctionPartTest = part_test::PartTest;

// layer, object kind, currency, object type, object number, model type, creation date, change note
const std::string kFull = "001" "3101" "07" "F" "D000AB1" "DK" "950101" "1";
// the same without model type and change note
const std::string kAlk = "001" "3101" "07" "F" "D000AB1" "950101";

TEST_F(ObjectFunctionPartTest, FullObjectFunctionShowsEightRows) {
  Parse("EDBS" + kFull + "rest", 4);
  int error = -1;
  CUlob2000Part part(error, 5);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 30);
  EXPECT_EQ(part.GetLayer(), "001");
  EXPECT_EQ(part.GetObjectType(), "3101");
  EXPECT_EQ(part.GetListText(-1), kFull);
  EXPECT_EQ(part.FillDetail(), 8);
  ExpectRow(0, "ULOB2000", "Funktion des Objektes", "");
  ExpectRow(1, "DLOB2001", "Folie:", "001");
  ExpectRow(2, "DLOB2002", "Objektart:", "3101");
  ExpectRow(3, "DLOB2003", CP("Aktualität:"), "07");
  ExpectRow(4, "DLOB2004", "Objekttyp:", "F");
  ExpectRow(5, "DLOB2005", "Objektnummer:", "D000AB1");
  ExpectRow(6, "DLOB2006", "Modelltyp:", "DK");
  ExpectRow(7, "DLOB2007", "Entstehungsdatum:", "950101");
  ExpectRow(8, "DLOB2008", CP("Änderungshinweis:"), "1");
}

TEST_F(ObjectFunctionPartTest, AlkObjectFunctionShowsCreationDateInRowSix) {
  Parse(kAlk + "xyz");
  int error = -1;
  CUlob2000Part part(error, 9);
  EXPECT_EQ(g_parsePos, 23);
  EXPECT_EQ(part.GetListText(-1), kAlk);
  EXPECT_EQ(part.FillDetail(), 6);
  ExpectRow(0, "ULO20ALK", "Funktion des Objektes", "");
  ExpectRow(1, "DLOB2001", "Folie:", "001");
  ExpectRow(2, "DLOB2002", "Objektart:", "3101");
  ExpectRow(3, "DLOB2003", CP("Aktualität:"), "07");
  ExpectRow(4, "DLOB2004", "Objekttyp:", "F");
  ExpectRow(5, "DLOB2005", "Objektnummer:", "D000AB1");
  ExpectRow(6, "DLOB2006", "Entstehungsdatum:", "950101");
}

TEST_F(ObjectFunctionPartTest, TooShortObjectFunctionReportsErrorPerVariant) {
  Parse(kFull.substr(0, 25));
  int error = -1;
  CUlob2000Part full(error, 5);
  EXPECT_EQ(error, 105);
  EXPECT_EQ(g_parsePos, 0);
  EXPECT_EQ(full.GetListText(-1), "");
  Parse(kAlk.substr(0, 22));
  CUlob2000Part alk(error, 9);
  EXPECT_EQ(error, 109);
  EXPECT_EQ(g_parsePos, 0);
}

TEST_F(ObjectFunctionPartTest, ObjectTypeCriterionIsCaseSensitiveEquality) {
  Parse(kFull);
  int error = -1;
  CUlob2000Part part(error, 5);
  SetArgs({{"f", "f"}});
  EXPECT_EQ(part.MatchFilter(kCritObjTyp), 0);
  SetArgs({{"A", "Z"}});  // the upper end is not used
  EXPECT_EQ(part.MatchFilter(kCritObjTyp), 0);
  SetArgs({{"F", ""}});
  EXPECT_EQ(part.MatchFilter(kCritObjTyp), 1);
}

TEST_F(ObjectFunctionPartTest, CurrencyRangeOfAllTwoDigitValuesMatchesEveryCurrency) {
  SetArgs({{"00", "99"}});
  for (const std::string currency : {"00", "07", "99"}) {
    Parse("001" "3101" + currency + "F" "D000AB1" "DK" "950101" "1");
    int error = -1;
    CUlob2000Part part(error, 5);
    EXPECT_EQ(part.MatchFilter(kCritAktualitaet), 1) << currency;
  }
}

TEST_F(ObjectFunctionPartTest, ModelTypeCriterionOnlyForFullVariant) {
  SetArgs({{"DA", "DZ"}});
  Parse(kFull);
  int error = -1;
  CUlob2000Part full(error, 5);
  EXPECT_EQ(full.MatchFilter(kCritKartentyp), 1);
  SetArgs({{"", "zz"}});  // would match even an empty field
  Parse(kAlk);
  CUlob2000Part alk(error, 9);
  EXPECT_EQ(alk.MatchFilter(kCritKartentyp), 0);
}

TEST_F(ObjectFunctionPartTest, LayerKindAndNumberCriteria) {
  Parse(kFull);
  int error = -1;
  CUlob2000Part part(error, 5);
  SetArgs({{"001", "001"}});
  EXPECT_EQ(part.MatchFilter(kCritFolie), 1);
  SetArgs({{"3100", "3199"}});
  EXPECT_EQ(part.MatchFilter(kCritObjArt), 1);
  SetArgs({{"5101", "5101"}});
  EXPECT_EQ(part.MatchFilter(kCritObjArt), 0);
  EXPECT_EQ(part.MatchFilter(kCritObjArtOhneDarstellung), 1);
  SetArgs({{"d000ab0", "d000ab9"}});
  EXPECT_EQ(part.MatchFilter(kCritObjNr), 1);
  SetArgs({{"X000AB1", "X000AB1"}});
  EXPECT_EQ(part.MatchFilter(kCritObjNr), 0);
  EXPECT_EQ(part.MatchFilter(kCritObjNrOhneDatenbank), 1);
  EXPECT_EQ(part.MatchFilter(kCritNumBez), 0);
}

}  // namespace
