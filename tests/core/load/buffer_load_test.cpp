// Loading the bytes of a buffer is loading a file with these bytes: same records, findings,
// counts and drawing; and one reset puts the whole program state back to a fresh start.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/edbs_lines.h"
#include "views/export.h"
#include "records/filter_criteria.h"
#include "views/program_state.h"

using namespace testing_edbs;
using edbs::RecordingCanvas;

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Loaded {
  std::string drawing, findings, records;
  std::int64_t lines = 0, size = 0;
};

Loaded Snapshot(const RecordingCanvas& canvas) {
  Loaded l;
  l.drawing = canvas.Log();
  for (std::size_t k = 0; k < g_errorMessages.size(); ++k) l.findings += g_errorMessages[k] + "|" + g_errorRecords[k] + "\n";
  l.records = ReadableExportText(true);
  l.lines = g_lineCount;
  l.size = g_fileSize;
  return l;
}

}  // namespace

TEST(BufferLoad, IsTheLoadOfAFileWithTheSameBytes) {
  const std::string path = std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs";
  const std::string bytes = ReadAll(path);

  ResetProgramState();
  RecordingCanvas fromFile;
  g_fileName = path;
  g_pendingAction = kPendingOpen;
  PerformPendingLoad(fromFile);
  const Loaded a = Snapshot(fromFile);

  ResetProgramState();
  RecordingCanvas fromBuffer;
  LoadFromBuffer(bytes, path, false, fromBuffer);
  const Loaded b = Snapshot(fromBuffer);

  EXPECT_EQ(a.drawing, b.drawing);
  EXPECT_EQ(a.findings, b.findings);
  EXPECT_EQ(a.records, b.records);
  EXPECT_EQ(a.lines, b.lines);
  EXPECT_EQ(b.size, static_cast<std::int64_t>(bytes.size()));
  EXPECT_GT(g_store.GetRecordCount(), 0);
}

TEST(BufferLoad, AddsToTheStoreAndKeepsNulAndControlZRules) {
  ResetProgramState();
  RecordingCanvas canvas;
  const std::string one = Join({Line("BINF", "ULOTEX  ", std::string("0001ab\0cd", 9) + std::string(13, ' '))});
  LoadFromBuffer(one, "eins", false, canvas);
  ASSERT_EQ(g_store.GetRecordCount(), 1);
  // A Ctrl-Z ends the bytes as it ends a file read in text mode.
  LoadFromBuffer(one + "\x1A" + one, "zwei", true, canvas);
  EXPECT_EQ(g_store.GetRecordCount(), 2);
  EXPECT_EQ(g_store.GetFileIndex(1), 1);
  EXPECT_EQ(g_loadedFiles[1], "zwei");
}

TEST(BufferLoad, ResetProgramStateLeavesNothingOfTheLastLoad) {
  RecordingCanvas canvas;
  LoadFromBuffer(ReadAll(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs"), "x", false, canvas);
  g_store.ApplyFilterCriterion(kCritFehler, 0, 0);
  g_settings.Gitternetz = true;
  g_viewZoom = 4;
  g_loadEnd = LoadEnd::kCancelled;
  g_unknownSizeReadLimit = 5;
  ASSERT_GT(g_filterCount, 0);
  ASSERT_FALSE(g_errorMessages.empty());

  ResetProgramState();
  EXPECT_EQ(g_store.GetRecordCount(), 0);
  EXPECT_EQ(g_filterCount, 0);
  EXPECT_TRUE(g_errorMessages.empty());
  EXPECT_TRUE(g_loadedFiles[0].empty());
  EXPECT_TRUE(g_recentFiles[0].empty());
  EXPECT_EQ(g_pendingAction, kPendingNothing);
  EXPECT_FALSE(g_settings.Gitternetz);
  EXPECT_EQ(g_viewZoom, 1.0);
  EXPECT_EQ(g_loadEnd, LoadEnd::kComplete);
  EXPECT_EQ(g_unknownSizeReadLimit, kUnknownSizeReadLimit);
}
