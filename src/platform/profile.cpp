#include "platform/profile.h"

#include <cstdlib>
#include <utility>

namespace edbs {

const std::string* MemoryProfile::Find(const std::string& section, const std::string& key) const {
  for (const Entry& e : m_entries) {
    if (e.key == key && e.section == section) return &e.value;
  }
  return nullptr;
}

void MemoryProfile::Put(const std::string& section, const std::string& key, std::string value) {
  for (Entry& e : m_entries) {
    if (e.key == key && e.section == section) {
      e.value = std::move(value);
      return;
    }
  }
  if (m_entries.empty()) m_entries.reserve(32);
  m_entries.push_back({section, key, std::move(value)});
}

int MemoryProfile::GetInt(const std::string& section, const std::string& key, int defaultValue) {
  const std::string* value = Find(section, key);
  if (value == nullptr) return defaultValue;
  return static_cast<int>(std::strtol(value->c_str(), nullptr, 10));
}

void MemoryProfile::WriteInt(const std::string& section, const std::string& key, int value) {
  Put(section, key, std::to_string(value));
}

std::string MemoryProfile::GetString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) {
  const std::string* value = Find(section, key);
  return value == nullptr ? defaultValue : *value;
}

void MemoryProfile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Put(section, key, value);
}

}  // namespace edbs
