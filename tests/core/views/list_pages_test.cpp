// The pages of the list: which records a tab lists, how a record's parts fill rows and cells,
// paging and the slider text. The layout of the example file is pinned by a golden file.

#include "views/list_pages.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "records/filter_criteria.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"
#include "support/golden.h"

using namespace testing_edbs;

namespace {

// A user-text record of one text line of 18 characters.
std::string UserText() { return Line("BINF", "ULOTEX  ", "0001" "Text              "); }

const std::string kPoint = "54569154736757624820";
const char kDot = '\xB7';

// The aggregates of an object record, each of its width.
std::string Ulob0000() { return kPoint + "0"; }
std::string Ulob1000() { return kPoint + "11"; }
std::string Ulob1100(const std::string& kind) { return "021" + kind + "A0003Y1" "A0003Y2" "000" "000" "0" "0"; }
std::string Ulob1110(char id) { return std::string("1") + id + "0000001"; }
std::string Ulob1200() { return kPoint; }
std::string Ulob2000(const std::string& number) { return "021" "0233" "01" "F" + number + "K4" "060508" " "; }
std::string Ulob2100(const std::string& text) { return "13" "K4" "  2301" + text + std::string(33 - text.size(), ' ') + "51" "000"; }
std::string Ulob2110() { return kPoint; }

// Two lines (the first with two parameters and no support point, the second with one parameter
// and a support point) and two objects (the second with two points of its information).
std::string TwoLinesTwoObjects() {
  return "0001" "0001" + Ulob0000() + "0002" +
         "0001" + Ulob1000() + "0001" + "0001" + Ulob1100("0233") + "0002" + Ulob1110('A') + Ulob1110('B') + "0000" +
         "0001" + Ulob1000() + "0001" + "0001" + Ulob1100("0234") + "0001" + Ulob1110('C') + "0001" + Ulob1200() +
         "0002" +
         "0001" + Ulob2000("A0003Y1") + "0001" + "0001" + Ulob2100("HA1") + "0001" + Ulob2110() +
         "0001" + Ulob2000("A0003Y2") + "0001" + "0001" + Ulob2100("HA2") + "0002" + Ulob2110() + Ulob2110();
}

class ListPages : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    g_listIndex.clear();
  }

  static void Add(const std::string& line, int lineNumber, int fileIndex = 0) {
    const int op = LookupOpKey(std::string_view(line).substr(12, 4));
    const int in = LookupInfoName(std::string_view(line).substr(28, 8));
    g_store.AddRecord(line, lineNumber, op, in, fileIndex, 0);
  }
  static std::vector<ListRow> Page(int tab, int maxCount = 100, bool whf = false) {
    RebuildListIndex(tab);
    return BuildListPage(tab, maxCount, whf);
  }
  // Which part columns of a row hold text: 'X' or '.' per column after the record header.
  static std::string Shape(const ListRow& row) {
    std::string shape;
    for (std::size_t c = 2; c < row.cells.size(); ++c) shape += row.cells[c].empty() ? '.' : 'X';
    return shape;
  }
  static std::string Dotted(std::string text) {
    for (char& c : text) c = c == ' ' ? kDot : c;
    return text;
  }
  static void FilterLines(const std::string& from, const std::string& to) {
    ResetFilterValues();
    g_filterFrom[0] = from;
    g_filterTo[0] = to;
    g_filterArgCount = 1;
    g_store.ApplyFilterCriterion(kCritZeile, 0, 0);
  }

  static std::string Describe(int tab, bool whf) {
    const ListColour bg = ListTabBackground(tab);
    std::string out = Format("== %d %s (%d,%d,%d)\n", tab, std::string(ListTabLabel(tab)).c_str(), bg.r, bg.g, bg.b);
    for (const ListColumn& c : ListColumns(tab, whf)) out += "[" + c.header + " " + std::to_string(c.width) + "]";
    out += "\n";
    for (const ListRow& row : Page(tab, 100, whf)) {
      out += std::to_string(row.record);
      for (const std::string& cell : row.cells) out += " | " + cell;
      out += "\n";
    }
    return out;
  }
};

}  // namespace

TEST_F(ListPages, TheExampleFileTabByTab) {
  Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
  ASSERT_GE(g_store.GetRecordCount(), 20);
  std::string out = Format("%s\n", ListStartHeader().c_str());
  for (int tab = 0; tab < kListTabCount; ++tab) out += Describe(tab, false);
  out += "== ListeWhf\n" + Describe(kListUlobnn, true) + Describe(kListUlo8alk, true);
  ExpectGolden("views/list_beispiel.txt", edbs::Cp1252ToUtf8(out));
}

TEST_F(ListPages, RepeatedPartsStandBelowEachOtherWithTheirSubParts) {
  Add(Line("FEIN", "ULOBNN  ", TwoLinesTwoObjects()), 12, 3);
  ASSERT_EQ(g_store.GetParseResult(0), 0);
  const std::vector<ListRow> rows = Page(kListUlobnn);
  // Columns: ULOB0000 ULOB1000 ULOB1100 ULOB1110 ULOB1200 ULOB2000 ULOB2100 ULOB2110.
  std::vector<std::string> shapes;
  for (const ListRow& row : rows) shapes.push_back(Shape(row));
  EXPECT_EQ(shapes, (std::vector<std::string>{
                        "XXXX.XXX",   // start point, first line with its function, first object
                        "...X....",   // the first function's second parameter
                        ".XXXX...",   // second line: function, parameter, support point
                        ".....XXX",   // second object with its information and first point
                        ".......X",   // the information's second point
                    }));
  for (const ListRow& row : rows) EXPECT_EQ(row.record, 0);
  EXPECT_EQ(rows[0].cells[0], "12.03");
  EXPECT_EQ(rows[1].cells[0], "");
  EXPECT_EQ(rows[0].cells[1].size(), 36u);
  EXPECT_EQ(rows[0].cells[4], Dotted(Ulob1100("0233")));
  EXPECT_EQ(rows[2].cells[4], Dotted(Ulob1100("0234")));
  EXPECT_EQ(rows[1].cells[5], Ulob1110('B'));
  EXPECT_EQ(rows[2].cells[5], Ulob1110('C'));
}

TEST_F(ListPages, ListeWhfShowsTheFactorsOfTheInformationPointsInTheLastColumn) {
  Add(Line("FEIN", "ULOBNN  ", TwoLinesTwoObjects()), 12);
  const std::vector<ListColumn> columns = ListColumns(kListUlobnn, true);
  EXPECT_EQ(columns.back().header, "WHF_ULO21ALK");
  EXPECT_EQ(columns.back().width, 140);
  const std::vector<ListRow> rows = Page(kListUlobnn, 100, true);
  ASSERT_EQ(rows.size(), 4u);  // the two points no longer take rows
  EXPECT_EQ(rows[0].cells.back(), "0001");
  EXPECT_EQ(rows[3].cells.back(), "0002");
  EXPECT_EQ(Shape(rows[3]), ".....XXX");
}

TEST_F(ListPages, RunningTextIsCutAt196WhenItPasses255) {
  // An order header: its factor and 258 characters, 266 with the separators.
  const std::string order(258, 'Q');
  Add(Line("AKND", "ULQA0000", "0001" + order), 1);
  const std::vector<ListRow> rows = Page(kListSonstige);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].cells[1].substr(0, 4), "EDBS");
  EXPECT_EQ(rows[0].cells[2], "  0001  " + order.substr(0, 188));
  EXPECT_EQ(rows[1].cells[2], order.substr(188));
  EXPECT_EQ(rows[1].cells[2].size(), 70u);
  EXPECT_TRUE(rows[1].cells[1].empty());
  EXPECT_EQ(rows[1].record, 0);
}

TEST_F(ListPages, ARunningTextLongerThanTwoCellsIsCutAgain) {
  const std::string text(34 * 18, 't');  // 34 text lines
  Add(Line("BINF", "ULOTEX  ", "0034" + text), 1);
  const std::vector<ListRow> rows = Page(kListAlle);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].cells[2].size(), 196u);
  EXPECT_EQ(rows[1].cells[2].size(), 196u);
  EXPECT_EQ(rows[2].cells[2].size(), 228u);  // above 128: closed, no part follows
  EXPECT_EQ(rows[0].cells[2] + rows[1].cells[2] + rows[2].cells[2], "  0034  " + text);
}

TEST_F(ListPages, RunningTextOfManyPartsClosesACellPast128) {
  Add(Line("FEIN", "ULOBNN  ", TwoLinesTwoObjects()), 12);
  const std::vector<ListRow> rows = Page(kListAlle);
  std::string expected;
  for (int j = 1; j < g_store.GetPartCount(0); ++j) {
    int selector = -1;
    expected += "  " + g_store.GetPartListTextDotted(0, j, selector);
  }
  std::string joined;
  ASSERT_GT(rows.size(), 2u);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string& cell = rows[r].cells[2];
    EXPECT_LE(cell.size(), 255u) << "row " << r;
    if (r + 1 < rows.size()) {
      EXPECT_GT(cell.size(), 128u) << "row " << r;
    }
    joined += cell;
  }
  EXPECT_EQ(joined, expected);
}

TEST_F(ListPages, AnEmptyGroupShowsNoRowsAndItsIconIsEmpty) {
  Add(UserText(), 1);
  g_listStart = 5;
  EXPECT_TRUE(Page(kListUlpunn).empty());
  EXPECT_EQ(g_listStart, 0);
  EXPECT_EQ(ListColumns(kListUlpunn, false).size(), 11u);  // the headers stay
  const std::array<bool, kListTabCount> empty = ListGroupsEmpty();
  EXPECT_TRUE(empty[kListUlpunn]);
  EXPECT_FALSE(empty[kListSonstige]);
  EXPECT_FALSE(empty[kListAlle]);
}

TEST_F(ListPages, AStartBeyondTheGroupIsClampedToItsLastRecord) {
  for (int n = 1; n <= 3; ++n) Add(UserText(), n);
  g_listStart = 10;
  std::vector<ListRow> rows = Page(kListSonstige);
  EXPECT_EQ(g_listStart, 2);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].record, 2);

  g_listStart = 1;
  rows = Page(kListSonstige, 1);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].record, 1);
  g_listStart = 0;
  EXPECT_EQ(Page(kListSonstige, 0).size(), 1u);  // a page size of 0 from the profile shows one record
}

TEST_F(ListPages, WithAFilterSetEveryTabListsOnlyItsRecords) {
  Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
  FilterLines("4", "6");
  ASSERT_EQ(g_filterCount, 3);
  for (int tab = 0; tab < kListTabCount; ++tab) {
    RebuildListIndex(tab);
    EXPECT_LE(g_listIndex.size(), 3u) << "tab " << tab;
    for (int i : g_listIndex) EXPECT_EQ(g_store.IsInFilterSet(i), 1);
  }
  RebuildListIndex(kListUlobnn);
  EXPECT_EQ(g_listIndex.size(), 3u);
  const std::array<bool, kListTabCount> empty = ListGroupsEmpty();
  for (int tab = 0; tab < kListTabCount; ++tab) {
    EXPECT_EQ(empty[tab], tab != kListUlobnn && tab != kListAlle) << "tab " << tab;
  }
}

TEST_F(ListPages, NamesOutsideTheGroupsAreListedOnlyUnderAlle) {
  Add(Line("FEIN", "DLPU2001", ""), 1);
  Add(Line("FEIN", "        ", ""), 2);
  for (int tab = 0; tab < kListAlle; ++tab) EXPECT_TRUE(Page(tab).empty()) << "tab " << tab;
  EXPECT_EQ(Page(kListAlle).size(), 2u);
  // The icon of "Sonstige" counts them although its list does not show them.
  EXPECT_FALSE(ListGroupsEmpty()[kListSonstige]);
}

TEST_F(ListPages, SliderTextNamesThePositionAndTheRecord) {
  Add(UserText(), 5, 2);
  Add(UserText(), 1234567, 4);
  RebuildListIndex(kListSonstige);
  EXPECT_EQ(ListSliderText(0), "Nr. 1: Satz      5.02");
  EXPECT_EQ(ListSliderText(0), "Nr. 1: Satz " + g_store.GetRecordTitle(0).substr(0, 9));
  // Seven digits of a line number keep the file slot.
  EXPECT_EQ(ListSliderText(1), "Nr. 2: Satz 1234567.04");
  EXPECT_EQ(ListSliderText(2), "");
}
