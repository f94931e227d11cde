#include "platform/profile.h"

#include <cstdlib>

namespace edbs {

int MemoryProfile::GetInt(const std::string& section, const std::string& key, int defaultValue) {
  auto it = m_values.find({section, key});
  if (it == m_values.end()) return defaultValue;
  return static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
}

void MemoryProfile::WriteInt(const std::string& section, const std::string& key, int value) {
  m_values[{section, key}] = std::to_string(value);
}

std::string MemoryProfile::GetString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) {
  auto it = m_values.find({section, key});
  return it == m_values.end() ? defaultValue : it->second;
}

void MemoryProfile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  m_values[{section, key}] = value;
}

}  // namespace edbs
