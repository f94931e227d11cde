#pragma once
// The filter's arguments and the tests every part class applies to its fields with them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr int kMaxFilterArgs = 20;

extern int g_filterArgCount;
extern std::array<std::string, kMaxFilterArgs> g_filterFrom;
extern std::array<std::string, kMaxFilterArgs> g_filterTo;

struct CoordWindow {
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
extern CoordWindow g_coordWindow;

// g_filterArgCount kept to 0..kMaxFilterArgs, the number of arguments the tests read.
int FilterArgCount();

// Upper case of ASCII and the Windows-1252 letters, in place (the case-insensitive text criterion).
void MakeUpperCase(std::string& text);
// Upper case of every Windows-1252 character, as MakeUpperCase makes it.
extern const std::array<unsigned char, 256> kUpperCaseOf;
// Whether `text` in upper case (as MakeUpperCase makes it) begins with `upperPrefix`, without
// converting a copy of the text: the case-insensitive text criterion asks it of every part.
inline bool StartsWithInUpperCase(std::string_view text, std::string_view upperPrefix) {
  if (text.size() < upperPrefix.size()) return false;
  for (std::size_t i = 0; i < upperPrefix.size(); ++i) {
    if (kUpperCaseOf[static_cast<unsigned char>(text[i])] != static_cast<unsigned char>(upperPrefix[i])) return false;
  }
  return true;
}

// Empties the argument list and the coordinate window.
void ResetFilterValues();

// Byte-wise comparison after folding upper-case letters (ASCII and the Windows-1252 letters) to
// lower case; <0, 0, >0.
int CompareNoCase(std::string_view a, std::string_view b);

// True when from_k <= f <= to_k for some argument k, both case-insensitive.
bool RangeTest(std::string_view f);
// True when f equals from_k exactly for some k.
bool EqualityTest(std::string_view f);
// The range test on the last `width` characters of f, from_k and to_k.
bool TailRangeTest(std::string_view f, std::size_t width);
// True when the point lies inside g_coordWindow (edges included).
bool CoordWindowTest(double rechtswert, double hochwert);
