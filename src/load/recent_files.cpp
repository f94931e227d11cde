#include "load/recent_files.h"

#include "platform/profile.h"
#include "records/edbs_part.h"

std::array<std::string, kRecentFileSlots> g_recentFiles;

namespace {
constexpr const char* kSection = "Dateinamen";
std::string SlotKey(int k) { return Format("MRUListname%02d", k); }
}  // namespace

void LoadRecentFiles(edbs::Profile& profile) {
  for (int k = 0; k < kRecentFileSlots; ++k) {
    std::string value = profile.GetString(kSection, SlotKey(k), "xxx");
    g_recentFiles[k] = value == "xxx" ? std::string() : value;
  }
}

void SaveRecentFiles(edbs::Profile& profile) {
  for (int k = 0; k < kRecentFileSlots; ++k) profile.WriteString(kSection, SlotKey(k), g_recentFiles[k]);
}

void RememberRecentFile(const std::string& path) {
  int found = kRecentFileSlots - 1;
  for (int k = 0; k < kRecentFileSlots; ++k) {
    if (g_recentFiles[k] == path) {
      found = k;
      break;
    }
  }
  for (int k = found; k > 0; --k) g_recentFiles[k] = std::move(g_recentFiles[k - 1]);
  g_recentFiles[0] = path;
}
