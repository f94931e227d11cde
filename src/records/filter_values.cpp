#include "records/filter_values.h"

int g_filterArgCount = 0;
std::array<std::string, kMaxFilterArgs> g_filterFrom;
std::array<std::string, kMaxFilterArgs> g_filterTo;
CoordWindow g_coordWindow;

namespace {

unsigned char FoldLower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);  // Š Œ Ž
  if (c == 0x9F) return 0xFF;                                                           // Ÿ
  return c;
}

std::string_view Tail(std::string_view s, std::size_t width) {
  return s.size() > width ? s.substr(s.size() - width) : s;
}

unsigned char FoldUpper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);  // š œ ž
  if (c == 0xFF) return 0x9F;                                                           // ÿ
  return c;
}

}  // namespace

int FilterArgCount() {
  if (g_filterArgCount < 0) return 0;
  return g_filterArgCount > kMaxFilterArgs ? kMaxFilterArgs : g_filterArgCount;
}

void MakeUpperCase(std::string& text) {
  for (char& c : text) c = static_cast<char>(FoldUpper(static_cast<unsigned char>(c)));
}

const std::array<unsigned char, 256> kUpperCaseOf = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[static_cast<std::size_t>(c)] = FoldUpper(static_cast<unsigned char>(c));
  return table;
}();

void ResetFilterValues() {
  g_filterArgCount = 0;
  for (auto& s : g_filterFrom) s.clear();
  for (auto& s : g_filterTo) s.clear();
  g_coordWindow = {};
}

// The lower case of every character, looked up: the range criteria compare millions of fields.
const std::array<unsigned char, 256> kLowerCaseOf = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[static_cast<std::size_t>(c)] = FoldLower(static_cast<unsigned char>(c));
  return table;
}();

int CompareNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char ca = kLowerCaseOf[static_cast<unsigned char>(a[i])];
    const unsigned char cb = kLowerCaseOf[static_cast<unsigned char>(b[i])];
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool RangeTest(std::string_view f) {
  for (int k = 0; k < FilterArgCount(); ++k) {
    if (CompareNoCase(f, g_filterFrom[k]) >= 0 && CompareNoCase(f, g_filterTo[k]) <= 0) return true;
  }
  return false;
}

bool EqualityTest(std::string_view f) {
  for (int k = 0; k < FilterArgCount(); ++k) {
    if (f == g_filterFrom[k]) return true;
  }
  return false;
}

bool TailRangeTest(std::string_view f, std::size_t width) {
  const std::string_view tf = Tail(f, width);
  for (int k = 0; k < FilterArgCount(); ++k) {
    if (CompareNoCase(tf, Tail(g_filterFrom[k], width)) >= 0 &&
        CompareNoCase(tf, Tail(g_filterTo[k], width)) <= 0) {
      return true;
    }
  }
  return false;
}

bool CoordWindowTest(double rechtswert, double hochwert) {
  return g_coordWindow.xMin <= rechtswert && rechtswert <= g_coordWindow.xMax && g_coordWindow.yMin <= hochwert &&
         hochwert <= g_coordWindow.yMax;
}
