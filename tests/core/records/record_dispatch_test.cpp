#include <gtest/gtest.h>

#include "records/part_classes.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

const std::string kPoint = "54569154736757624820";

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgram(); }

  int Add(const std::string& line, int lineNumber = 1, int fileIndex = 0, int flags = 0) {
    const int op = LookupOpKey(std::string_view(line).substr(12, 4));
    const int in = LookupInfoName(std::string_view(line).substr(28, 8));
    return g_store.AddRecord(line, lineNumber, op, in, fileIndex, flags);
  }
  static void Args(std::initializer_list<std::pair<std::string, std::string>> pairs) {
    ResetFilterValues();
    for (const auto& [from, to] : pairs) {
      g_filterFrom[g_filterArgCount] = from;
      g_filterTo[g_filterArgCount] = to;
      ++g_filterArgCount;
    }
  }
  static std::string Object(bool alk, const std::string& model = "K4") {
    if (alk) {
      return Line("FEIN", "ULO8ALK ", "0001" "0001" + kPoint + "0" + "0000" + "0001" + "0001" +
                                          "0012301" "01" "F" "A0007E1" "060508" + "0000");
    }
    return Line("FEIN", "ULOBNN  ", "0001" "0001" + kPoint + "0" + "0000" + "0001" + "0001" +
                                        "0012301" "01" "F" "A0003Y1" + model + "060508" " " + "0000");
  }
};

}  // namespace

TEST_F(Dispatch, RecordTitle) {
  Add(Line("AKND", "ULQA0000", "0001" + std::string(258, ' ')), 5, 2);
  EXPECT_EQ(g_store.GetRecordTitle(0), "     5.02  AKND ULQA0000");
  Add(Line("BKRT", "ULOBNN  ", ""), 1234, 0);
  EXPECT_EQ(g_store.GetRecordTitle(1), "  1234.00  BKRT ULOBNN  ");
  Add(Line("XXXX", "ULXXNN  ", ""), 1, 0);
  EXPECT_EQ(g_store.GetRecordTitle(2), "     1.00  ???? ????????");
}

TEST_F(Dispatch, DottedListTextShowsEveryBlankAsAMiddleDot) {
  Add(Line("BINF", "ULOTEX  ", "0001" "ein Text  mit     "));
  int type = 99;
  EXPECT_EQ(g_store.GetPartListTextDotted(0, 2, type), "ein\xB7Text\xB7\xB7mit\xB7\xB7\xB7\xB7\xB7");
  EXPECT_EQ(type, 25);
  EXPECT_EQ(g_store.GetPartListTextDotted(0, 1, type), "0001");
  EXPECT_EQ(type, 65);
}

TEST_F(Dispatch, RepetitionFactorsReachTheirClass) {
  Add(Object(false));
  EXPECT_EQ(g_store.GetPartTypeName(0, 1), "WHF_ULOBNN  ");
  EXPECT_EQ(g_store.FillPartDetail(0, 1), 1);
  EXPECT_EQ(DetailTable.Tag(0), "WHF_ULOBNN   Wiederholungsfaktor");
  EXPECT_EQ(g_store.GetRepeatCount(0, 1), "0001");
  EXPECT_EQ(g_store.GetRepeatCount(0, 0), "XXXX");
}

TEST_F(Dispatch, TypedReadersGivePlaceholdersForOtherTypes) {
  Add(Object(false));
  // parts: 30 31 32 0 33 40 41 5 43
  EXPECT_EQ(g_store.GetLayer(0, 7), "001");
  EXPECT_EQ(g_store.GetObjectType(0, 7), "2301");
  EXPECT_EQ(g_store.GetLayer(0, 0), "zzz");
  EXPECT_EQ(g_store.GetObjectType(0, 0), "zzzz");
  EXPECT_EQ(g_store.GetGeometryKind(0, 7), "XX");
  EXPECT_EQ(g_store.GetInfoKind(0, 7), "XX");
  EXPECT_EQ(g_store.GetInfoText(0, 7), "XX");
  EXPECT_EQ(g_store.GetAttribute(0, 7), "XXXX");
  EXPECT_EQ(g_store.GetDirectionAngle(0, 7), 0.0);
  double x = -1, y = -1;
  EXPECT_EQ(g_store.GetPoint(0, 7, x, y), 2);
  EXPECT_EQ(x, -1);
  EXPECT_EQ(g_store.GetPoint(0, 3, x, y), 0);
  EXPECT_DOUBLE_EQ(y, 5654624.820);
}

TEST_F(Dispatch, AFailedStartPointHasNoCoordinates) {
  Add(Line("FEIN", "ULOBNN  ", "0001" "0001" "5456915473"));
  double x = -1, y = -1;
  EXPECT_EQ(g_store.GetPoint(0, 3, x, y), 1);
  EXPECT_EQ(x, -1);
  EXPECT_EQ(g_store.GetRecordCount(), 1);
}

TEST_F(Dispatch, ModelTypeIsNeverAskedOfTheAlkObjectFunction) {
  Add(Object(false));
  Add(Object(true));
  Args({{"00", "zz"}});
  g_store.ApplyFilterCriterion(kCritKartentyp, 0, 0);
  EXPECT_EQ(g_filterCount, 1);
  EXPECT_EQ(g_store.IsInFilterSet(0), 1);
  EXPECT_EQ(g_store.IsInFilterSet(1), 0);
}

TEST_F(Dispatch, OnlyTheFirstSearchCriterionIsAsked) {
  // No reader builds a record with two search criteria: the parts are placed by hand. The first
  // ends at the character that is no connector, the second reads the rest.
  CTextArena arena;
  const std::string first = "ASDLOB2005EQA000001?";
  const PartPlacement parts[] = {{kPtSuchkrit, 0}, {kPtSuchkrit, static_cast<std::uint32_t>(first.size())}};
  CEdbsRecord record;
  record.m_parts = CPartList(arena, first + "ASDLOB2101EQ13", parts, 0);
  Args({{"DLOB2101", "DLOB2101"}});
  EXPECT_EQ(record.MatchFilter(kCritSuchkrit), 0);
  Args({{"DLOB2005", "DLOB2005"}});
  EXPECT_EQ(record.MatchFilter(kCritSuchkrit), 1);
  EXPECT_EQ(record.m_inFilter, 1);
}

TEST_F(Dispatch, WithoutArgumentsOnlyTheFaultyRecordCriterionMatches) {
  Add(Object(false), 1, 0, 4);
  ResetFilterValues();
  for (const FilterCriterionInfo& c : kFilterTable) {
    if (c.code == kCritFehler) continue;
    g_store.ClearFilterSet();
    g_store.ApplyFilterCriterion(c.code, 0, 0);
    EXPECT_EQ(g_filterCount, 0) << "criterion " << c.code;
  }
  g_store.ApplyFilterCriterion(kCritFehler, 0, 0);
  EXPECT_EQ(g_filterCount, 1);
}

TEST_F(Dispatch, RecordLevelCriteria) {
  Add(Object(false), 10, 0);
  Add(Object(true), 20, 1);
  Add(Line("BINF", "ULOTEX  ", "0001" "Stra\xDF" "e am Markt   "), 30, 1);
  const auto run = [](int c, std::initializer_list<std::pair<std::string, std::string>> a) {
    Args(a);
    g_store.ClearFilterSet();
    g_store.ApplyFilterCriterion(c, 0, 0);
    std::string members;
    for (int i = 0; i < g_store.GetRecordCount(); ++i) members += g_store.IsInFilterSet(i) ? '1' : '0';
    return members;
  };
  EXPECT_EQ(run(kCritDatei, {{"01", "01"}}), "011");
  EXPECT_EQ(run(kCritZeile, {{"15", "30"}}), "011");
  EXPECT_EQ(run(kCritOpSchluessel, {{"BINF", "BINF"}}), "001");
  EXPECT_EQ(run(kCritInfoName, {{"ULO8ALK ", ""}}), "010");
  EXPECT_EQ(run(kCritAggregat, {{"ULO20ALK", ""}}), "010");
  EXPECT_EQ(run(kCritFolie, {{"001", "001"}}), "110");
  EXPECT_EQ(run(kCritObjTyp, {{"F", ""}}), "110");
  EXPECT_EQ(run(kCritText, {{"Stra\xDF" "e", ""}}), "001");
  EXPECT_EQ(run(kCritText, {{"STRA", ""}}), "000");
  EXPECT_EQ(run(kCritTextOhneGrossKlein, {{"stra\xDF" "e", ""}}), "001");
  EXPECT_EQ(g_filterFrom[0], "STRA\xDF" "E");  // the values stay converted
  EXPECT_EQ(run(kCritWhFaktor, {{"0001", "0001"}}), "111");
  EXPECT_EQ(run(-1, {{"0", "z"}}), "000");  // no criterion has this code
}

TEST_F(Dispatch, RefiningAnEmptySetTestsNothing) {
  Add(Object(false));
  Add(Object(true));
  Args({{"000", "zzz"}});
  g_store.ApplyFilterCriterion(kCritFolie, 1, 0);
  EXPECT_EQ(g_filterCount, 0);
  g_store.ApplyFilterCriterion(kCritFolie, 0, 0);
  EXPECT_EQ(g_filterCount, 2);
  Args({{"F", ""}});
  g_store.ApplyFilterCriterion(kCritOpSchluessel, 1, 0);  // no record has the key "F": refining empties the set
  EXPECT_EQ(g_filterCount, 0);
}

TEST_F(Dispatch, NegatedExtendAddsNonMatchesAndKeepsMembers) {
  Add(Object(false), 1);
  Add(Object(true), 2);
  Add(Line("BINF", "ULOTEX  ", "0001" + std::string(18, 't')), 3);
  Args({{"1", "1"}});
  g_store.ApplyFilterCriterion(kCritZeile, 0, 0);
  ASSERT_EQ(g_filterCount, 1);
  Args({{"ULOTEX  ", ""}});
  g_store.ApplyFilterCriterion(kCritInfoName, 0, 1);
  EXPECT_EQ(g_filterCount, 2);
  EXPECT_EQ(g_store.IsInFilterSet(0), 1);
  EXPECT_EQ(g_store.IsInFilterSet(1), 1);
  EXPECT_EQ(g_store.IsInFilterSet(2), 0);
  g_store.ClearFilterSet();
  EXPECT_EQ(g_filterCount, 0);
  EXPECT_EQ(g_store.IsInFilterSet(0), 0);
}

TEST_F(Dispatch, DeletingOutsideTheFilterSetKeepsTheMembersInOrder) {
  for (int k = 1; k <= 5; ++k) Add(Object(k % 2 == 0), k);
  Args({{"2", "2"}, {"5", "5"}});
  g_store.ApplyFilterCriterion(kCritZeile, 0, 0);
  g_store.DeleteRecordsOutsideFilterSet();
  ASSERT_EQ(g_store.GetRecordCount(), 2);
  EXPECT_EQ(g_store.GetLineNumber(0), 2);
  EXPECT_EQ(g_store.GetLineNumber(1), 5);
  EXPECT_EQ(g_filterCount, 0);
  EXPECT_EQ(g_store.IsInFilterSet(1), 0);
  g_store.DeleteRecordsOutsideFilterSet();  // an empty set removes every record
  EXPECT_EQ(g_store.GetRecordCount(), 0);
}

TEST_F(Dispatch, DeletingRecordsMovesTheLaterOnesUp) {
  Add(Object(false), 1);
  Add(Object(true), 2);
  Add(Object(false), 3);
  g_store.DeleteRecord(1);
  ASSERT_EQ(g_store.GetRecordCount(), 2);
  EXPECT_EQ(g_store.GetLineNumber(1), 3);
}

TEST_F(Dispatch, TextCriteriaFindEveryPartWhoseListTextBeginsWithAValue) {
  // Record 0: a text in lower case with an umlaut. Record 1: repetition factors placed by hand,
  // with a sign, with letters, and one without room at the end of the record.
  Add(Line("BINF", "ULOTEX  ", "0001" "\xE4pfel und Birnen  "));
  Add(Line("BINF", "ULOTEX  ", "0001" "-012AB1299"));
  CEdbsRecord& factors = const_cast<CEdbsRecord&>(g_store.Record(1));
  const std::vector<PartPlacement> parts = {{kPtFirstWhf, 40}, {kPtFirstWhf, 44}, {kPtFirstWhf, 48}};
  factors.m_parts = CPartList(g_store.Arena(), factors.Text(), parts, factors.m_infoNameIndex);
  const auto run = [](int c, std::initializer_list<std::pair<std::string, std::string>> a) {
    Args(a);
    g_store.ClearFilterSet();
    g_store.ApplyFilterCriterion(c, 0, 0);
    return std::string{g_store.IsInFilterSet(0) ? '1' : '0', g_store.IsInFilterSet(1) ? '1' : '0'};
  };
  EXPECT_EQ(run(kCritText, {{"-01", ""}}), "01");
  EXPECT_EQ(run(kCritText, {{"0000", ""}}), "01");  // the letters count as nought
  EXPECT_EQ(run(kCritText, {{"0012", ""}}), "00");
  EXPECT_EQ(run(kCritText, {{"x", ""}, {"0000", ""}}), "01");
  EXPECT_EQ(run(kCritText, {{"", ""}}), "11");
  EXPECT_EQ(run(kCritText, {{"\xC4", ""}}), "00");
  EXPECT_EQ(run(kCritTextOhneGrossKlein, {{"\xC4PFEL", ""}}), "10");
  EXPECT_EQ(run(kCritTextOhneGrossKlein, {{"\xE4p", ""}}), "10");
  EXPECT_EQ(run(kCritTextOhneGrossKlein, {{"-0", ""}}), "01");
  EXPECT_EQ(run(kCritTextOhneGrossKlein, {{"b", ""}}), "00");
  EXPECT_EQ(run(kCritText, {{"\xE4", ""}}), "10");
}
