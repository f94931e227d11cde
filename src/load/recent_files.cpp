#include "load/recent_files.h"

#include <array>
#include <utility>

#include "platform/profile.h"
#include "records/edbs_part.h"

std::array<std::string, kRecentFileSlots> g_recentFiles;

namespace {
// The section, the slots' keys "MRUListname00" ... and the mark of an empty slot, made once: the
// list is read at every start and written at every end.
const std::string kSection = "Dateinamen";
const std::string kUnset = "xxx";
const std::string& SlotKey(int k) {
  static const std::array<std::string, kRecentFileSlots> keys = [] {
    std::array<std::string, kRecentFileSlots> made;
    for (int slot = 0; slot < kRecentFileSlots; ++slot) made[static_cast<std::size_t>(slot)] = Format("MRUListname%02d", slot);
    return made;
  }();
  return keys[static_cast<std::size_t>(k)];
}
}  // namespace

void LoadRecentFiles(edbs::Profile& profile) {
  for (int k = 0; k < kRecentFileSlots; ++k) {
    std::string value = profile.GetString(kSection, SlotKey(k), kUnset);
    g_recentFiles[k] = value == kUnset ? std::string() : std::move(value);
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
