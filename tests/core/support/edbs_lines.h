#pragma once
// Small helpers for tests: EDBS lines with a fitting length field, temporary files, a fresh
// program state.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "load/error_list.h"
#include "load/file_reader.h"
#include "load/recent_files.h"
#include "platform/recording_canvas.h"
#include "records/filter_values.h"
#include "store/edbs_store.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace testing_edbs {

// A record line: the 36-character header with the length field of the whole line, then body.
inline std::string Line(const std::string& op, const std::string& info, const std::string& body,
                        char marker = ' ', char edit = ' ', const std::string& number = "000001") {
  char head[64];
  std::snprintf(head, sizeof head, "EDBS%04d0000%.4s%.6s%c%c0000%-8.8s",
                static_cast<int>(36 + body.size()) - 12, op.c_str(), number.c_str(), marker, edit, info.c_str());
  return std::string(head) + body;
}

inline std::string Join(const std::vector<std::string>& lines, const std::string& end = "\n") {
  std::string out;
  for (const auto& l : lines) out += l + end;
  return out;
}

class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/satzlupe-test-XXXXXX";
    m_path = mkdtemp(tmpl);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = m_path + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
  }
  std::string Path(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

inline void ResetProgram() {
  g_store.ClearAll();
  g_store.ClearFilterSet();
  ResetLoadState();
  ResetFilterValues();
  ResetSettings();
  ResetViewState();
  for (auto& f : g_recentFiles) f.clear();
}

// Performs a load as the view does; `add` appends instead of clearing first.
inline void Load(const std::string& path, edbs::Canvas& dc, bool add = false) {
  g_fileName = path;
  g_pendingAction = add ? kPendingAdd : kPendingOpen;
  PerformPendingLoad(dc);
}

inline void Load(const std::string& path, bool add = false) {
  edbs::NullCanvas dc;
  Load(path, dc, add);
}

}  // namespace testing_edbs
