// The real ALK sample delivery (Ostritz), read as a user would open it. Every expectation below is
// derived from the file itself: a well-formed delivery of one order header, a boundary, a user
// text, object records (some in continuation chains) and an end record.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "load/checks.h"
#include "records/point_field.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"
#include "support/sample_delivery.h"

using namespace testing_edbs;

namespace {

class SampleDelivery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = new TempDir;
    s_path = UnpackSample(*s_dir);
  }
  static void TearDownTestSuite() {
    delete s_dir;
    s_dir = nullptr;
  }
  void SetUp() override {
    if (s_path.empty()) GTEST_SKIP() << "Die ALK-Musterlieferung fehlt: " << kSamplePacked;
    ResetProgram();
    std::ifstream f(s_path, std::ios::binary);
    std::string line;
    while (std::getline(f, line)) lines.push_back(line);
  }

  static TempDir* s_dir;
  static std::string s_path;
  std::vector<std::string> lines;
};

TempDir* SampleDelivery::s_dir = nullptr;
std::string SampleDelivery::s_path;

}  // namespace

TEST_F(SampleDelivery, LoadsEveryLineWithoutAFinding) {
  Load(s_path);
  EXPECT_EQ(g_lineCount, static_cast<std::int64_t>(lines.size()));
  EXPECT_EQ(g_fileSize, static_cast<std::int64_t>(std::filesystem::file_size(s_path)));
  EXPECT_EQ(g_edbsLineCount, static_cast<std::int64_t>(lines.size()));  // every line starts with EDBS
  for (int row = 1; row <= kCheckRows; ++row) EXPECT_EQ(g_checkCounts[row], 0) << "row " << row;
  EXPECT_TRUE(g_errorMessages.empty());
}

TEST_F(SampleDelivery, ContinuationChainsBecomeSingleRecords) {
  Load(s_path);
  std::size_t continuation = 0;
  for (const auto& l : lines) continuation += (l[22] == 'F' || l[22] == 'E') ? 1 : 0;
  EXPECT_GT(continuation, 0u);
  EXPECT_EQ(g_store.GetRecordCount(), static_cast<int>(lines.size() - continuation));
  std::int64_t parts = 0;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) parts += g_store.GetPartCount(i);
  EXPECT_EQ(parts, g_aggregateCount);
}

TEST_F(SampleDelivery, OrderHeaderFirstAndEndRecordLast) {
  Load(s_path);
  const int last = g_store.GetRecordCount() - 1;
  EXPECT_EQ(OpKeyTable[g_store.GetOpKeyIndex(0)], "AKND");
  EXPECT_EQ(InfoNameTable[g_store.GetInfoNameIndex(0)], "ULQA0000");
  EXPECT_EQ(OpKeyTable[g_store.GetOpKeyIndex(last)], "AEND");
  EXPECT_EQ(g_store.GetLineNumber(last), static_cast<int>(lines.size()));
}

TEST_F(SampleDelivery, WindowsTextSurvivesDecoding) {
  Load(s_path);
  int found = 0;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      if (g_store.GetInfoText(i, j).starts_with("G\xF6rlitzer Stra\xDF" "e")) ++found;
    }
  }
  EXPECT_GT(found, 0);
}

TEST_F(SampleDelivery, EveryCoordinateLiesInTheDeliveredBoundary) {
  Load(s_path);
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int boundary = -1;
  for (int i = 0; i < g_store.GetRecordCount() && boundary < 0; ++i) {
    if (InfoNameTable[g_store.GetInfoNameIndex(i)] == "IBENKRT ") boundary = i;
  }
  ASSERT_GE(boundary, 0);
  // The boundary's two corners, decoded as any point field.
  const std::string& line = lines[static_cast<std::size_t>(g_store.GetLineNumber(boundary) - 1)];
  DecodePoint(line.substr(36, 20), x1, y1);
  DecodePoint(line.substr(56, 20), x2, y2);
  int outside = 0, points = 0;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      double x = 0, y = 0;
      if (g_store.GetPoint(i, j, x, y) != 0) continue;
      ++points;
      if (x < std::min(x1, x2) - 1 || x > std::max(x1, x2) + 1 || y < std::min(y1, y2) - 1 || y > std::max(y1, y2) + 1) {
        ++outside;
      }
    }
  }
  EXPECT_GT(points, 0);
  EXPECT_EQ(outside, 0);
}
