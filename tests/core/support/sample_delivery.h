#pragma once
// The real ALK sample delivery of the shared data folder, for tests that skip without it.

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/edbs_lines.h"

namespace testing_edbs {

inline const std::string kSamplePacked =
    std::string(SATZLUPE_SHARED_DATA) + "/edbs.ALK_Muster_EDBS_FEIN.dbout.1.001.gz";

// Unpacks the sample into `dir` and returns the file's path; empty when the sample is absent or
// could not be unpacked.
inline std::string UnpackSample(const TempDir& dir, const std::string& name = "ostritz.edbs") {
  if (!std::filesystem::exists(kSamplePacked)) return {};
  const std::string path = dir.Path(name);
  const std::string command = "gzip -dc '" + kSamplePacked + "' > '" + path + "'";
  return std::system(command.c_str()) == 0 ? path : std::string();
}

}  // namespace testing_edbs
