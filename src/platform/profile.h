#pragma once
// Integer and string values in named sections: the application's persistent profile.

#include <map>
#include <string>
#include <utility>

namespace edbs {

class Profile {
 public:
  virtual ~Profile() = default;
  virtual int GetInt(const std::string& section, const std::string& key, int defaultValue) = 0;
  virtual void WriteInt(const std::string& section, const std::string& key, int value) = 0;
  // String values are byte strings, handed through unchanged (paths in the file system's form).
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) = 0;
  virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// In-memory profile for tests and for runs that must not touch the user's settings.
class MemoryProfile : public Profile {
 public:
  int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;

  bool Has(const std::string& section, const std::string& key) const {
    return m_values.count({section, key}) != 0;
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> m_values;
};

}  // namespace edbs
