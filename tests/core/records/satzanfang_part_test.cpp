#include "records/satzanfang_part.h"

#include <gtest/gtest.h>

#include <string>

#include "records/filter_values.h"

namespace {

// "EDBS" + length + search start + operation key + record number + membership + edit function
// + acknowledgement key + information name.
const std::string kHeader = "EDBS0123004" "2FEIN" "000042" "A" "B" "QUIT" "ULOBNN  ";

struct Row {
  const char* tag;
  const char* label;
  const char* value;
};

void SetRange(const std::string& from, const std::string& to) {
  ResetFilterValues();
  g_filterArgCount = 1;
  g_filterFrom[0] = from;
  g_filterTo[0] = to;
}

}  // namespace

TEST(SatzanfangPart, DetailRowsShowTheNineHeaderFields) {
  g_parseText = kHeader + "0001";
  g_parsePos = 0;
  int error = -1;
  CSatzanfangPart part(error);
  ASSERT_EQ(error, 0);
  EXPECT_EQ(part.m_type, 30);

  DetailTable.ClearAll();
  ASSERT_EQ(part.FillDetail(), 9);
  const Row expected[] = {
      {"Satzanfang", "", ""},
      {"SA", "Anfang des EDBS-Satzes:", "EDBS"},
      {"SL", "Länge des EDBS-Satzes:", "0123"},
      {"SL", "Anfang des Suchkriteriums:", "0042"},
      {"OP", "Operationsschlüssel:", "FEIN"},
      {"QU", "EDBS-Satznummer:", "000042"},
      {"QU", "Zugehörigkeitsfunktion:", "A"},
      {"QU", "Editierfunktion:", "B"},
      {"QU", "Quittierschlüssel:", "QUIT"},
      {"IN", "Informationsname:", "ULOBNN  "},
  };
  for (int row = 0; row <= 9; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(DetailTable.Tag(row), expected[row].tag);
    EXPECT_EQ(DetailTable.Label(row), expected[row].label);
    EXPECT_EQ(DetailTable.Value(row), expected[row].value);
  }
}

TEST(SatzanfangPart, ExactlyThirtySixCharactersAreReadAndPassed) {
  g_parseText = kHeader;
  g_parsePos = 0;
  int error = -1;
  CSatzanfangPart part(error);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(g_parsePos, 36);
  EXPECT_EQ(part.GetListText(-1), kHeader);
  EXPECT_EQ(part.GetListText(7), kHeader);
}

TEST(SatzanfangPart, ThirtyFiveCharactersGiveError130AndNoFields) {
  g_parseText = kHeader.substr(0, 35);
  g_parsePos = 0;
  int error = 0;
  CSatzanfangPart part(error);
  EXPECT_EQ(error, 130);
  EXPECT_EQ(g_parsePos, 0);
  EXPECT_EQ(part.GetListText(-1), "");
  EXPECT_TRUE(part.m_recordStart.empty());
  EXPECT_TRUE(part.m_infoName.empty());
  DetailTable.ClearAll();
  EXPECT_EQ(part.FillDetail(), 9);
  EXPECT_EQ(DetailTable.Label(5), "EDBS-Satznummer:");
  EXPECT_EQ(DetailTable.Value(5), "");
}

TEST(SatzanfangPart, KeepsNulBytesAndUnconvertedText) {
  g_parseText = std::string("EDBS\0\0\0\0ab  FEIN", 16) + "  42xy" + "ABCDEF" + "????????";
  g_parsePos = 0;
  int error = -1;
  CSatzanfangPart part(error);
  ASSERT_EQ(error, 0);
  EXPECT_EQ(part.m_recordLength.View(), std::string_view("\0\0\0\0", 4));
  EXPECT_EQ(part.m_recordNumber.View(), "  42xy");
  EXPECT_EQ(part.GetListText(-1), g_parseText);
}

TEST(SatzanfangPartFilter, RecordNumberAnswersCriterionTwo) {
  g_parseText = kHeader;
  g_parsePos = 0;
  int error = -1;
  CSatzanfangPart part(error);

  SetRange("000040", "000049");
  EXPECT_EQ(part.MatchFilter(2), 1);
  SetRange("000043", "000049");
  EXPECT_EQ(part.MatchFilter(2), 0);
  // The record number is the only field asked: its operation key and name do not count.
  SetRange("FEIN", "FEIN");
  EXPECT_EQ(part.MatchFilter(2), 0);
}
