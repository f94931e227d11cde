// A core literal with a character outside ASCII must stand inside CP(): without it the compiler
// keeps the UTF-8 bytes, and messages, exports and comparisons would silently change.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool HasNonAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

// The string literals of a source (outside comments, preprocessor lines and character literals)
// that hold a byte outside ASCII and do not stand inside CP(), as "file:line". A concatenation
// inside CP() counts as inside.
std::vector<std::string> UnconvertedLiterals(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string s = buffer.str();
  std::vector<std::string> found;
  int line = 1;
  bool lineStart = true;
  int cpDepth = 0;  // parentheses open since the last CP(
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\n') {
      ++line;
      lineStart = true;
      continue;
    }
    if (lineStart && c == '#') {  // preprocessor line: #include "..." names a file
      while (i < s.size() && s[i] != '\n') ++i;
      --i;
      continue;
    }
    if (c != ' ' && c != '\t') lineStart = false;
    if (s.compare(i, 2, "//") == 0) {
      while (i + 1 < s.size() && s[i + 1] != '\n') ++i;
    } else if (s.compare(i, 2, "/*") == 0) {
      const std::size_t end = s.find("*/", i + 2);
      for (std::size_t k = i; k < end && k < s.size(); ++k) line += s[k] == '\n';
      i = end == std::string::npos ? s.size() : end + 1;
    } else if (c == '\'' && !(i > 0 && std::isalnum(static_cast<unsigned char>(s[i - 1])))) {
      for (++i; i < s.size() && s[i] != '\''; ++i) i += s[i] == '\\';
    } else if (c == '"') {
      const std::size_t start = i;
      for (++i; i < s.size() && s[i] != '"'; ++i) i += s[i] == '\\';
      const std::string_view literal(s.data() + start, i + 1 - start);
      if (HasNonAscii(literal) && cpDepth == 0) found.push_back(file.filename().string() + ":" + std::to_string(line));
    } else if (c == '(') {
      if (cpDepth > 0) ++cpDepth;
      else if (i >= 2 && s.compare(i - 2, 2, "CP") == 0 && !(i >= 3 && std::isalnum(static_cast<unsigned char>(s[i - 3])))) cpDepth = 1;
    } else if (c == ')') {
      if (cpDepth > 0) --cpDepth;
    }
  }
  return found;
}

TEST(CoreSources, GermanLiteralsAreConvertedToWindows1252ByTheCompiler) {
  const fs::path root = SATZLUPE_SOURCE_DIR;
  std::vector<std::string> found;
  int files = 0;
  for (const char* dir : {"src/platform", "src/store", "src/records", "src/load", "src/views", "src/cli", "tests/core"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / dir)) {
      const auto ext = entry.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      ++files;
      for (const std::string& where : UnconvertedLiterals(entry.path())) found.push_back(where);
    }
  }
  EXPECT_GT(files, 50);
  EXPECT_TRUE(found.empty()) << "literals outside CP(): " << testing::PrintToString(found);
}

TEST(CoreSources, TheScanFindsALiteralWithoutTheSuffix) {
  const fs::path file = fs::temp_directory_path() / "satzlupe_source_scan.cpp";
  {
    std::ofstream out(file, std::ios::binary);
    out << "#include \"\xC3\xA4.h\"\n// \"\xC3\xA4\"\nconst char* a = CP(\"x\"\n \"\xC3\xA4\");\n"
           "const char* b = \"\xC3\xB6\";\nstd::string c = F(CP(\"\xC3\xB6\"), \"\xC3\xBC\");\n";
  }
  EXPECT_EQ(UnconvertedLiterals(file),
            (std::vector<std::string>{"satzlupe_source_scan.cpp:5", "satzlupe_source_scan.cpp:6"}));
  fs::remove(file);
}

}  // namespace
