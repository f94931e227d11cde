#pragma once
// Integer and string values in named sections: the application's persistent profile.

#include <string>
#include <vector>

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

// In-memory profile for tests and for runs that must not touch the user's settings. A profile holds
// a few dozen values, so they stand in a list searched from the front.
class MemoryProfile : public Profile {
 public:
  int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;

  bool Has(const std::string& section, const std::string& key) const { return Find(section, key) != nullptr; }

 private:
  struct Entry {
    std::string section, key, value;
  };
  const std::string* Find(const std::string& section, const std::string& key) const;
  void Put(const std::string& section, const std::string& key, std::string value);

  std::vector<Entry> m_entries;
};

}  // namespace edbs
