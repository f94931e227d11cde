#include "records/satzanfang_part.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/part_test.h"
#include "platform/cp1252_literal.h"

namespace {

using SatzanfangPart = part_test::PartTest;
using SatzanfangPartFilter = part_test::PartTest;
using part_test::Row;

// "EDBS" + length + search start + operation key + record number + membership + edit function
// + acknowledgement key + information name.
const std::string kHeader = "EDBS0123004" "2FEIN" "000042" "A" "B" "QUIT" "ULOBNN  ";

}  // namespace

TEST_F(SatzanfangPart, DetailRowsShowTheNineHeaderFields) {
  Parse(kHeader + "0001");
  int error = -1;
  CSatzanfangPart part(error);
  ASSERT_EQ(error, 0);
  EXPECT_EQ(part.m_type, 30);
  ASSERT_EQ(part.FillDetail(), 9);
  const std::vector<Row> expected = {
      {"Satzanfang", "", ""},
      {"SA", "Anfang des EDBS-Satzes:", "EDBS"},
      {"SL", CP("Länge des EDBS-Satzes:"), "0123"},
      {"SL", "Anfang des Suchkriteriums:", "0042"},
      {"OP", CP("Operationsschlüssel:"), "FEIN"},
      {"QU", "EDBS-Satznummer:", "000042"},
      {"QU", CP("Zugehörigkeitsfunktion:"), "A"},
      {"QU", "Editierfunktion:", "B"},
      {"QU", CP("Quittierschlüssel:"), "QUIT"},
      {"IN", "Informationsname:", "ULOBNN  "},
  };
  EXPECT_EQ(Rows(9), expected);
}

TEST_F(SatzanfangPart, ExactlyThirtySixCharactersAreReadAndPassed) {
  Parse(kHeader);
  int error = -1;
  CSatzanfangPart part(error);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 36);
  EXPECT_EQ(part.GetListText(-1), kHeader);
  EXPECT_EQ(part.GetListText(7), kHeader);
}

TEST_F(SatzanfangPart, ThirtyFiveCharactersGiveError130AndNoFields) {
  Parse(kHeader.substr(0, 35));
  int error = 0;
  CSatzanfangPart part(error);
  EXPECT_EQ(error, 130);
  EXPECT_EQ(g_parsePos, 0);
  EXPECT_EQ(part.GetListText(-1), "");
  EXPECT_TRUE(part.m_recordStart.empty());
  EXPECT_TRUE(part.m_infoName.empty());
  EXPECT_EQ(part.FillDetail(), 9);
  EXPECT_EQ(DetailTable.Label(5), "EDBS-Satznummer:");
  EXPECT_EQ(DetailTable.Value(5), "");
}

TEST_F(SatzanfangPart, KeepsNulBytesAndUnconvertedText) {
  Parse(std::string("EDBS\0\0\0\0ab  FEIN", 16) + "  42xy" + "ABCDEF" + "????????");
  int error = -1;
  CSatzanfangPart part(error);
  ASSERT_EQ(error, 0);
  EXPECT_EQ(part.m_recordLength.View(), std::string_view("\0\0\0\0", 4));
  EXPECT_EQ(part.m_recordNumber.View(), "  42xy");
  EXPECT_EQ(part.GetListText(-1), g_parseText);
}

TEST_F(SatzanfangPartFilter, RecordNumberAnswersCriterionTwo) {
  Parse(kHeader);
  int error = -1;
  CSatzanfangPart part(error);

  SetArgs({{"000040", "000049"}});
  EXPECT_EQ(part.MatchFilter(kCritSatzNr), 1);
  SetArgs({{"000043", "000049"}});
  EXPECT_EQ(part.MatchFilter(kCritSatzNr), 0);
  // The record number is the only field asked: its operation key and name do not count.
  SetArgs({{"FEIN", "FEIN"}});
  EXPECT_EQ(part.MatchFilter(kCritSatzNr), 0);
}
