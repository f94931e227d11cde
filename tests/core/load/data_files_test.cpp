// The small edge-case files beside the tests, loaded as a user would open them.

#include <gtest/gtest.h>

#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

struct Expected {
  const char* file;
  std::int64_t lines, entries, aggregates;
  int records;
  std::vector<std::string> findings;  // the messages from character 8 on
};

void PrintTo(const Expected& e, std::ostream* os) { *os << e.file; }

class DataFiles : public ::testing::TestWithParam<Expected> {};

std::string DataPath(const char* name) { return std::string(SATZLUPE_TEST_DATA) + "/" + name; }

}  // namespace

TEST_P(DataFiles, LoadGivesTheExpectedCountsAndFindings) {
  const Expected& e = GetParam();
  ResetProgram();
  Load(DataPath(e.file));
  EXPECT_EQ(g_lineCount, e.lines);
  EXPECT_EQ(g_edbsLineCount, e.entries);
  EXPECT_EQ(g_store.GetRecordCount(), e.records);
  EXPECT_EQ(g_aggregateCount, e.aggregates);
  std::vector<std::string> findings;
  for (const auto& m : g_errorMessages) findings.push_back(m.substr(8));
  EXPECT_EQ(findings, e.findings);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, DataFiles,
    ::testing::Values(
        Expected{"lf.edbs", 4, 4, 13, 4, {}},
        Expected{"crlf.edbs", 4, 4, 13, 4, {}},
        Expected{"no_final_line_end.edbs", 4, 4, 13, 4, {}},
        Expected{"open_chain.edbs", 4, 4, 6, 2,
                 {"AKND - AEND Letzter Satz ist kein AEND-Satz!",
                  "Satzanalyse Folgesatzkette ohne Endesatz verworfen (Zeilen: 2)!"}},
        Expected{"interrupted_chain.edbs", 5, 5, 7, 4,
                 {"Satzanalyse Folgesatzkette ohne Endesatz verworfen (Zeilen: 1)!",
                  "Satzanalyse Analyse-Fehler 365 (WHF_ULOTEX  !=0001)!"}},
        Expected{"factor_limits.edbs", 5, 5, 16, 5, {"Satzanalyse Analyse-Fehler 101 (Aggregat ULOB1000)!"}},
        Expected{"too_short.edbs", 4, 4, 5, 4,
                 {"Zeilenl\xE4nge Zeilenl\xE4nge stimmt nicht! ( 0023 <=> -4 )",
                  "minima.L\xE4ngeDie minimale L\xE4nge stimmt nicht 0023 <0024!",
                  "Op.schl\xFCsselOperationsschl\xFCssel unbekannt! (    )",
                  "Satzanalyse Analyse-Fehler 100 (Aggregat ULOB0000)!"}}),
    [](const ::testing::TestParamInfo<Expected>& info) {
      std::string name = info.param.file;
      name = name.substr(0, name.find('.'));
      std::erase(name, '_');
      return name;
    });

TEST(DataFilesCrLf, SameResultsAsLfButTheSize) {
  ResetProgram();
  Load(DataPath("lf.edbs"));
  const auto lfSize = g_fileSize;
  Load(DataPath("crlf.edbs"));
  EXPECT_EQ(g_fileSize, lfSize + 4);
}
