#pragma once
// The list of recently read files, most recent first, kept in the profile.

#include <array>
#include <string>

namespace edbs {
class Profile;
}

inline constexpr int kRecentFileSlots = 20;
extern std::array<std::string, kRecentFileSlots> g_recentFiles;

void LoadRecentFiles(edbs::Profile& profile);
void SaveRecentFiles(edbs::Profile& profile);
// Puts `path` at slot 0, moving the others down; the list never holds a path twice.
void RememberRecentFile(const std::string& path);
