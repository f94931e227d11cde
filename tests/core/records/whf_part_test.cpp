#include "records/whf_part.h"

#include <gtest/gtest.h>

#include "records/filter_values.h"

namespace {
void Text(const std::string& t) {
  g_parseText = t;
  g_parsePos = 0;
}
}  // namespace

TEST(WhfPart, ReadsFourDigitsAndShowsThem) {
  Text("0003rest");
  int error = -1;
  CWhfPart p(error, 43);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(p.m_count, 3);
  EXPECT_EQ(g_parsePos, 4);
  EXPECT_EQ(p.GetListText(0), "0003");
  EXPECT_EQ(p.FillDetail(), 1);
  EXPECT_EQ(DetailTable.Tag(0), "WHF_ULOB2110 Wiederholungsfaktor");
  EXPECT_EQ(DetailTable.Label(0), "");
  EXPECT_EQ(DetailTable.Value(0), "");
  EXPECT_EQ(DetailTable.Tag(1), "WHF_ULOB2110");
  EXPECT_EQ(DetailTable.Label(1), "Anzahl der Wiederholungen:");
  EXPECT_EQ(DetailTable.Value(1), "   3");
}

TEST(WhfPart, BlanksCountAsZero) {
  Text("    ");
  int error = -1;
  CWhfPart p(error, 33);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(p.GetRepeatCount(), "0000");
}

TEST(WhfPart, TooShortTextReadsNothing) {
  Text("EDBS123");
  g_parsePos = 4;
  int error = 0;
  CWhfPart p(error, 42);
  EXPECT_EQ(error, 142);
  EXPECT_EQ(g_parsePos, 4);
  EXPECT_EQ(p.m_count, 0);
}

TEST(WhfPart, CriterionSevenIsARangeTestOnTheFourDigits) {
  Text("0003");
  int error = 0;
  CWhfPart p(error, 43);
  ResetFilterValues();
  g_filterFrom[0] = "0002";
  g_filterTo[0] = "0005";
  g_filterArgCount = 1;
  EXPECT_EQ(p.MatchFilter(kCritWhFaktor), 1);
  EXPECT_EQ(p.MatchFilter(kCritKoordinate), 0);
  g_filterFrom[0] = "0010";
  g_filterTo[0] = "0010";
  EXPECT_EQ(p.MatchFilter(kCritWhFaktor), 0);
}

TEST(WhfPart, RepeatCountHasFourDigitsAsPrintfWrites) {
  for (const auto& [text, shown] : std::vector<std::pair<std::string, std::string>>{
           {"9999", "9999"}, {"0470", "0470"}, {"1000", "1000"}, {" 7  ", "0007"}, {"-012", "-012"}, {"-999", "-999"}}) {
    Text(text);
    int error = -1;
    CWhfPart p(error, 43);
    EXPECT_EQ(p.GetRepeatCount(), shown) << text;
  }
}
