// The bundled example is the program's demonstration file: it must show every part class and
// nothing but its deliberate faults.

#include <gtest/gtest.h>

#include <set>

#include "records/edbs_part.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"

using namespace testing_edbs;

TEST(ExampleFile, CoversEveryPartClass) {
  ResetProgram();
  Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
  std::set<int> types;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    for (int j = 0; j < g_store.GetPartCount(i); ++j) types.insert(g_store.GetPartType(i, j));
  }
  for (int t = 0; t <= kPtAnfang; ++t) {
    if (t == kPtUlob210F) continue;  // the grammar never creates this type
    EXPECT_TRUE(types.count(t)) << "part type " << t << " (" << PartTypeName(t) << ")";
  }
}

TEST(ExampleFile, OnlyItsDeliberateFaultsAreFound) {
  ResetProgram();
  Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
  std::vector<std::string> kinds;
  for (const auto& m : g_errorMessages) kinds.push_back(m.substr(8, 12));
  EXPECT_EQ(kinds, (std::vector<std::string>{"Zeilenl\xE4nge ", "Informa.name", "Reihenfolge ", "Satzanalyse ",
                                             "Satzanalyse "}));
  EXPECT_EQ(g_errorMessages[3].substr(20), "Analyse-Fehler 331 (WHF_ULOBNN  !=0001)!");
  EXPECT_EQ(g_errorMessages[4].substr(20), "Analyse-Fehler 100 (Aggregat ULOB0000)!");
}
