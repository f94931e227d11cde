#pragma once
// The fixture the part tests share: every test starts with an empty parse cursor, no filter
// arguments and an empty detail table; the helpers set the cursor and the filter in one call and
// read detail rows back as values that compare and print.

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "records/edbs_part.h"
#include "records/filter_table.h"
#include "records/filter_values.h"

namespace part_test {

// One detail row as the table holds it.
struct Row {
  std::string tag, label, value;
  bool operator==(const Row&) const = default;
};

inline void PrintTo(const Row& r, std::ostream* os) {
  *os << "{" << r.tag << " | " << r.label << " | " << r.value << "}";
}

// One filter argument; `{"x"}` leaves the upper end empty.
struct FilterArg {
  std::string from, to = {};
};

class PartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Parse("");
    ResetFilterValues();
    DetailTable.ClearAll();
  }

  static void Parse(const std::string& text, int pos = 0) {
    g_parseText = text;
    g_parsePos = pos;
  }

  // Makes `args` the whole argument list; the coordinate window stays as it is.
  static void SetArgs(std::initializer_list<FilterArg> args) {
    for (auto& s : g_filterFrom) s.clear();
    for (auto& s : g_filterTo) s.clear();
    g_filterArgCount = static_cast<int>(args.size());
    int k = 0;
    for (const FilterArg& a : args) {
      g_filterFrom[k] = a.from;
      g_filterTo[k] = a.to;
      ++k;
    }
  }

  static void ExpectRow(int row, const std::string& tag, const std::string& label, const std::string& value) {
    EXPECT_EQ(DetailTable.Tag(row) + "|" + DetailTable.Label(row) + "|" + DetailTable.Value(row),
              tag + "|" + label + "|" + value)
        << "row " << row;
  }

  // Rows from, from + 1, ... compared with `rows`.
  static void ExpectRows(int from, const std::vector<Row>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      ExpectRow(from + static_cast<int>(i), rows[i].tag, rows[i].label, rows[i].value);
    }
  }

  static std::vector<Row> Rows(int last) {
    std::vector<Row> rows;
    for (int r = 0; r <= last; ++r) rows.push_back({DetailTable.Tag(r), DetailTable.Label(r), DetailTable.Value(r)});
    return rows;
  }

  // Leaves an earlier part's rows in the whole table, so that a row a part forgets to write shows.
  static void FillWithOldRows() {
    for (int r = 0; r < CDetailTable::kRows; ++r) DetailTable.Set(r, "ALT", "alt", "alt");
  }

  // Rows 0..n after filling a table that still holds an earlier part's rows.
  template <class P>
  static std::vector<Row> DetailRows(const P& part, int expectedLast) {
    FillWithOldRows();
    const int last = part.FillDetail();
    EXPECT_EQ(expectedLast, last);
    return Rows(last);
  }

  // The criteria a part answers while the filter accepts every text and every point.
  template <class P>
  static std::vector<int> AnsweredCriteria(const P& part) {
    SetArgs({{"", std::string(300, '\xff')}});
    g_coordWindow = {-1e12, -1e12, 1e12, 1e12};
    std::vector<int> answered;
    for (const FilterCriterionInfo& c : kFilterTable) {
      if (part.MatchFilter(c.code) == 1) answered.push_back(c.code);
    }
    return answered;
  }
};

}  // namespace part_test
