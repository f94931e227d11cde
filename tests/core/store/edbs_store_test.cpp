// What the store keeps of a load stays readable as long as someone shows it: the records left
// after "Zeilen löschen" (their texts move into a smaller arena) and the error list, which refers
// to the lines of its load, also after the store is cleared.

#include "store/edbs_store.h"

#include <gtest/gtest.h>

#include "load/error_list.h"
#include "records/filter_criteria.h"
#include "support/edbs_lines.h"
#include "views/export.h"

using namespace testing_edbs;

namespace {

class Store : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
    ASSERT_FALSE(g_errorList.empty());
  }
};

}  // namespace

TEST_F(Store, RecordsLeftAfterDeletingAnswerAsBefore) {
  g_store.ApplyFilterCriterion(kCritFehler, 0, 1);  // the records without findings
  ASSERT_GT(g_filterCount, 3);
  ASSERT_LT(g_filterCount, g_store.GetRecordCount());
  const int kept = g_filterCount;
  const std::string longForm = ReadableExportText(true);
  const std::string shortForm = ReadableExportText(false);
  const std::vector<std::string> messages = AllErrorMessages(), records = AllErrorRecords();
  g_store.DeleteRecordsOutsideFilterSet();
  EXPECT_EQ(g_store.GetRecordCount(), kept);
  EXPECT_EQ(ReadableExportText(true), longForm);
  EXPECT_EQ(ReadableExportText(false), shortForm);
  EXPECT_EQ(AllErrorMessages(), messages);  // deleting records leaves the error list as it is
  EXPECT_EQ(AllErrorRecords(), records);
}

TEST_F(Store, TheErrorListOutlivesTheRecordsItNames) {
  const std::vector<std::string> records = AllErrorRecords();
  g_store.ClearAll();
  EXPECT_EQ(g_store.GetRecordCount(), 0);
  EXPECT_EQ(AllErrorRecords(), records);
}

TEST_F(Store, RecordsAddedAfterALoadGoOnAsTheirOwn) {
  const int before = g_store.GetRecordCount();
  const std::string line = Line("FEIN", "ULOBNN  ", "0002");
  EXPECT_EQ(g_store.AddRecord(line, 99, kFEIN, 0, 0, 0), 331);
  ASSERT_EQ(g_store.GetRecordCount(), before + 1);
  int selector = -1;
  EXPECT_EQ(g_store.Record(before).GetPartListText(0, selector), line.substr(0, 36));
  EXPECT_EQ(g_store.GetParseResult(before), 331);
}
