// The detail dialog's tree without a window: which records it pages through, the page of record
// and part nodes, the slider's ticks and text, and which record a selected node stands for.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "records/edbs_part.h"
#include "records/filter_criteria.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/object_records.h"
#include "views/detail_pages.h"
#include "views/settings.h"

using namespace testing_edbs;

namespace {

class DetailPages : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    ResetDetailState();
  }
  void TearDown() override {
    ResetProgram();
    ResetDetailState();
  }

  // n small object records on the lines 1..n.
  static void AddObjects(int n) {
    for (int k = 0; k < n; ++k) AddObject(Pt(1000 + k, 2000), {{Pt(1010 + k, 2010), "11"}});
  }

  // An object record on line `line` of file slot `file`; returns its store index.
  static int AddObjectOnLine(int line, int file, const std::string& opKey = "FEIN") {
    const std::string text = Line(opKey, "ULOBNN  ", ObjectBody(Pt(1, 2), {{Pt(3, 4), "11"}}));
    const int index = g_store.GetRecordCount();
    g_store.AddRecord(text, line, LookupOpKey(opKey), LookupInfoName("ULOBNN  "), file, 0);
    return index;
  }

  static std::vector<int> Records(const DetailPage& page) {
    std::vector<int> records;
    for (const DetailRecordNode& node : page.records) records.push_back(node.record);
    return records;
  }

  static std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i < to; ++i) v.push_back(i);
    return v;
  }

  // The tree of a page as text: record titles with their icons, part nodes indented beneath.
  static std::string TreeText(const DetailPage& page) {
    std::string text;
    for (const DetailRecordNode& r : page.records) {
      text += "[" + std::to_string(r.icon) + "] " + r.title + "\n";
      for (const DetailPartNode& p : r.parts) text += "    " + p.text + "\n";
    }
    return text;
  }
};

}  // namespace

TEST_F(DetailPages, TwoHundredFiftyRecordsInPagesOfAHundredTickAtEachPageAndStartAnywhere) {
  AddObjects(250);
  RebuildDetailRecords();
  EXPECT_EQ(DetailSliderTicks(250, 100), (std::vector<int>{0, 100, 200}));
  g_detailStart = 230;  // the slider was released there
  const DetailPage page = BuildDetailPage(100, false);
  EXPECT_EQ(page.first, 230);
  EXPECT_EQ(Records(page), Range(230, 250));
  EXPECT_EQ(page.records.front().title, g_store.GetRecordTitle(230));
  g_detailStart = 0;
  EXPECT_EQ(Records(BuildDetailPage(100, false)), Range(0, 100));
}

TEST_F(DetailPages, OnlyTheFilterSetIsPagedWhileOneExists) {
  AddObjects(30);
  g_filterArgCount = 1;
  g_filterFrom[0] = "10";
  g_filterTo[0] = "19";
  g_store.ApplyFilterCriterion(kCritZeile, 0, 0);
  RebuildDetailRecords();
  EXPECT_EQ(g_detailRecords, Range(9, 19));
  EXPECT_EQ(Records(BuildDetailPage(100, false)), Range(9, 19));
  EXPECT_EQ(DetailSliderText(0), "Nr. 1: Satz     10.00");

  g_store.ClearFilterSet();
  RebuildDetailRecords();
  EXPECT_EQ(g_detailRecords, Range(0, 30));
}

TEST_F(DetailPages, StartIsLimitedToTheRecordsThereAre) {
  AddObjects(5);
  RebuildDetailRecords();
  g_detailStart = 999;
  DetailPage page = BuildDetailPage(100, false);
  EXPECT_EQ(page.first, 4);
  EXPECT_EQ(Records(page), (std::vector<int>{4}));
  g_detailStart = -3;
  EXPECT_EQ(BuildDetailPage(2, false).first, 0);
  EXPECT_EQ(Records(BuildDetailPage(2, false)), (std::vector<int>{0, 1}));

  g_store.ClearAll();
  RebuildDetailRecords();
  EXPECT_TRUE(BuildDetailPage(100, false).records.empty());
  EXPECT_TRUE(DetailSliderTicks(0, 100).empty());
}

TEST_F(DetailPages, APageSizeBelowOneFromTheProfileShowsOneRecordPerPage) {
  AddObjects(3);
  RebuildDetailRecords();
  EXPECT_EQ(Records(BuildDetailPage(0, false)), (std::vector<int>{0}));
  EXPECT_EQ(Records(BuildDetailPage(-5, false)), (std::vector<int>{0}));
  EXPECT_EQ(DetailSliderTicks(3, 0), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(DetailSliderTicks(3, 50000), (std::vector<int>{0}));
}

TEST_F(DetailPages, HiddenRepetitionFactorsLeaveGapsInThePartNumbers) {
  AddObject(Pt(1000, 2000), {{Pt(1100, 2000), "15", {Pt(1050, 2050)}}},
            {{"21", "Lindenweg", "51", {Pt(1020, 2010)}}});
  AddObjectOnLine(7, 1, "BSPE");
  RebuildDetailRecords();
  ExpectGolden("detail/tree_with_factors.txt", TreeText(BuildDetailPage(100, false)));
  ExpectGolden("detail/tree_without_factors.txt", TreeText(BuildDetailPage(100, true)));
}

TEST_F(DetailPages, HidingRepetitionFactorsKeepsThePartOfTypeEleven) {
  EXPECT_TRUE(DetailShowsPart(kPtUlob210F, true));
  EXPECT_TRUE(DetailShowsPart(kPtAnfang, true));
  EXPECT_FALSE(DetailShowsPart(kPtFirstWhf, true));
  EXPECT_FALSE(DetailShowsPart(kPtLastWhf, true));
  EXPECT_TRUE(DetailShowsPart(kPtLastWhf, false));
}

TEST_F(DetailPages, EveryOperationKeyHasItsIconAndUnknownKeysTheLast) {
  for (std::string_view key : OpKeyTable) {
    const std::string text = Line(std::string(key), "ULOBNN  ", "");
    g_store.AddRecord(text, 1, LookupOpKey(key), LookupInfoName("ULOBNN  "), 0, 0);
  }
  RebuildDetailRecords();
  const DetailPage page = BuildDetailPage(100, false);
  ASSERT_EQ(page.records.size(), OpKeyTable.size());
  for (int k = 0; k < kOpKeyCount; ++k) EXPECT_EQ(page.records[static_cast<std::size_t>(k)].icon, k);
  EXPECT_EQ(page.records.back().icon, kUnknownOpKey);
}

TEST_F(DetailPages, SliderTextShowsLineNumbersOfSevenDigitsWhole) {
  AddObjectOnLine(12, 0);
  AddObjectOnLine(1234567, 3);
  RebuildDetailRecords();
  EXPECT_EQ(DetailSliderText(0), "Nr. 1: Satz     12.00");
  EXPECT_EQ(DetailSliderText(1), "Nr. 2: Satz 1234567.03");
  EXPECT_EQ(DetailSliderText(2), "");
  EXPECT_EQ(DetailSliderText(-1), "");
}

TEST_F(DetailPages, ARecordOnLine1234567IsFoundThroughItsNode) {
  // Read back from the title, "1234567.03" would give line 123456 of file 0: this record.
  const int decoy = AddObjectOnLine(123456, 0);
  const int wanted = AddObjectOnLine(1234567, 3);
  RebuildDetailRecords();
  const DetailPage page = BuildDetailPage(100, false);
  ASSERT_EQ(page.records.size(), 2u);
  const DetailRecordNode& node = page.records[1];
  EXPECT_EQ(node.title.substr(0, 10), "1234567.03");

  SelectDetailRecord(node.record);
  EXPECT_EQ(g_detailRecord, wanted);
  EXPECT_EQ(g_detailPart, kDetailRecordGraphic);

  SelectDetailPart(node.record, node.parts[2].part);
  EXPECT_EQ(g_detailRecord, wanted);
  EXPECT_EQ(g_detailPart, node.parts[2].part);
  EXPECT_NE(g_detailRecord, decoy);
}

TEST_F(DetailPages, APartBeyondNumber999IsFoundThroughItsNode) {
  // Four parts per line: its repetition factors and its end point.
  std::vector<ObjectLine> lines;
  for (int k = 0; k < 260; ++k) lines.push_back({Pt(1000 + k, 2000), "11"});
  AddObject(Pt(1000, 2000), lines);
  RebuildDetailRecords();
  const DetailPage page = BuildDetailPage(1, false);
  const DetailRecordNode& node = page.records.front();
  const auto it =
      std::find_if(node.parts.begin(), node.parts.end(), [](const DetailPartNode& p) { return p.part == 1000; });
  ASSERT_NE(it, node.parts.end());
  EXPECT_EQ(it->text, "1000  " + g_store.GetPartTypeName(node.record, 1000));
  EXPECT_EQ(it->text.substr(0, 6), "1000  ");
  SelectDetailPart(node.record, it->part);
  EXPECT_EQ(g_detailPart, 1000);
}

TEST_F(DetailPages, ASelectionOutsideTheStoreKeepsTheRecordDrawn) {
  AddObjects(3);
  SelectDetailRecord(2);
  SelectDetailRecord(7);
  EXPECT_EQ(g_detailRecord, 2);
  SelectDetailPart(-1, 4);
  EXPECT_EQ(g_detailRecord, 2);
  EXPECT_EQ(g_detailPart, 4);
  SelectDetailPart(1, 4, true);
  EXPECT_EQ(g_detailRecord, 1);
  EXPECT_EQ(g_detailPart, kDetailNothing);
}
