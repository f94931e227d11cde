#pragma once
// Exact output pinned by a file beside the tests (tests/core/golden/NAME), compared byte for byte.
//
// After an intended change of the output, regenerate the files and review the difference:
//   SATZLUPE_UPDATE_GOLDEN=1 ctest --test-dir build -L core && git diff tests/core/golden
// Text that is not UTF-8 (Windows-1252 exports) is stored as it is written.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testing_edbs {

inline std::filesystem::path GoldenPath(const std::string& name) {
  return std::filesystem::path(SATZLUPE_GOLDEN_DIR) / name;
}

inline bool UpdatingGoldenFiles() {
  const char* v = std::getenv("SATZLUPE_UPDATE_GOLDEN");
  return v != nullptr && *v != '\0' && std::string(v) != "0";
}

// The first line where two texts differ, for a readable failure message.
inline std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected), a(actual);
  std::string le, la;
  for (int line = 1;; ++line) {
    const bool he = static_cast<bool>(std::getline(e, le));
    const bool ha = static_cast<bool>(std::getline(a, la));
    if (!he && !ha) return "texts differ only in their line ends";
    if (!he || !ha || le != la) {
      return "line " + std::to_string(line) + ":\n  expected: " + (he ? le : "<end>") +
             "\n  actual:   " + (ha ? la : "<end>");
    }
  }
}

// Fails when `actual` differs from the golden file NAME; writes the file instead when
// SATZLUPE_UPDATE_GOLDEN is set.
inline void ExpectGolden(const std::string& name, const std::string& actual) {
  const std::filesystem::path path = GoldenPath(name);
  if (UpdatingGoldenFiles()) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "golden file missing: " << path
                  << " (create it with SATZLUPE_UPDATE_GOLDEN=1 and review it)";
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string expected = buffer.str();
  EXPECT_TRUE(expected == actual) << path.filename() << " differs at " << FirstDifference(expected, actual);
}

}  // namespace testing_edbs
