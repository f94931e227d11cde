#pragma once
// German text of the core is written in UTF-8 in the sources and kept as Windows-1252 bytes at run
// time. CP("...") hands out the Windows-1252 bytes of a UTF-8 literal, converted by the compiler
// itself, so GCC, Clang and MSVC all put the same bytes into the program. A character that
// Windows-1252 cannot hold, or a broken UTF-8 sequence, stops the build.
//
// Write every core literal that holds a character outside ASCII inside CP(); a test scans the core
// sources for literals that lack it. (A macro rather than a literal suffix: Clang 14 crashes on
// string literal operator templates inside nested braced initialisers.)

#include <array>
#include <cstddef>

namespace edbs::literal {

// Windows-1252 byte of a code point; -1 when there is none.
constexpr int Cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  for (int k = 0; k < 32; ++k) {
    if (kHigh[k] != 0 && kHigh[k] == cp) return 0x80 + k;
  }
  return -1;
}

// Decodes the UTF-8 sequence at `pos` (before `end`) into `cp` and returns its length. A broken
// sequence throws, which in a constant expression is a build error.
constexpr std::size_t DecodeUtf8(const char* s, std::size_t pos, std::size_t end, char32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(pos);
  const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
  if ((lead & 0xC0) == 0x80 || lead >= 0xF8 || pos + length > end) throw "broken UTF-8 in a core literal";
  cp = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(pos + k) & 0xC0) != 0x80) throw "broken UTF-8 in a core literal";
    cp = (cp << 6) | (byte(pos + k) & 0x3F);
  }
  return length;
}

// The literal as the compiler reads it: UTF-8 bytes with the terminating NUL.
template <std::size_t N>
struct Utf8Text {
  char chars[N]{};
  constexpr Utf8Text(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) chars[i] = text[i];
  }
};

// Number of Windows-1252 bytes of a UTF-8 text, with its terminating NUL.
template <std::size_t N>
constexpr std::size_t Cp1252Size(const Utf8Text<N>& text) {
  std::size_t count = 1;
  for (std::size_t pos = 0; pos + 1 < N; ++count) {
    char32_t cp = 0;
    pos += DecodeUtf8(text.chars, pos, N - 1, cp);
  }
  return count;
}

// The Windows-1252 bytes of the text, NUL-terminated, computed while compiling.
template <Utf8Text S>
inline constexpr auto kCp1252 = [] {
  constexpr std::size_t kSize = Cp1252Size(S);
  std::array<char, kSize> out{};
  std::size_t pos = 0;
  for (std::size_t k = 0; k + 1 < kSize; ++k) {
    char32_t cp = 0;
    pos += DecodeUtf8(S.chars, pos, sizeof(S.chars) - 1, cp);
    const int b = Cp1252Byte(cp);
    if (b < 0) throw "character without a Windows-1252 byte in a core literal";
    out[k] = static_cast<char>(static_cast<unsigned char>(b));
  }
  return out;
}();

}  // namespace edbs::literal

// A NUL-terminated text with static storage; usable in constant expressions.
#define CP(text) (::edbs::literal::kCp1252<::edbs::literal::Utf8Text{text}>.data())
