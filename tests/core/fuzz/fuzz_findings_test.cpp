// Every input the fuzzer found a fault with, kept in tests/core/data/fuzz, goes once more through
// the fuzz target's walk through the core; so do the other small data files and the example. Under
// the sanitizer build a fault that comes back stops the test.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "exercise_core.h"
#include "views/program_state.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The files of a folder in name order, without its notes (*.md).
std::vector<fs::path> InputsIn(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() != ".md") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void WalkEvery(const std::vector<fs::path>& files) {
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    fuzzing::ExerciseCore(ReadAll(file));
  }
  ResetProgramState();
}

}  // namespace

TEST(FuzzFindings, EveryStoredFindingPassesTheWalk) {
  const fs::path folder = fs::path(SATZLUPE_TEST_DATA) / "fuzz";
  const std::vector<fs::path> files = InputsIn(folder);
  ASSERT_FALSE(files.empty()) << "no stored findings in " << folder;
  WalkEvery(files);
}

TEST(FuzzFindings, TheDataFilesAndTheExamplePassTheWalk) {
  std::vector<fs::path> files = InputsIn(SATZLUPE_TEST_DATA);
  files.push_back(fs::path(SATZLUPE_EXAMPLES) / "beispiel.edbs");
  WalkEvery(files);
}
