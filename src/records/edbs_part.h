#pragma once
// The part contract shared by every record part: a part reads its characters at the shared parse
// cursor when it is built, fills the shared detail table, yields a list text and answers filter
// criteria. The record dispatches these calls on the part type code; only the destructor is virtual.
// Each part class also says which criteria it answers, static bool AnswersFilter(type, criterion),
// so that the record asks a part only for those.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "records/filter_criteria.h"

// Part type codes (index into PartTypeNameTable).
enum PartTypeCode : int {
  kPtUlob0000 = 0,
  kPtUlob1000 = 1,
  kPtUlob1100 = 2,
  kPtUlob1110 = 3,
  kPtUlob1200 = 4,
  kPtUlob2000 = 5,
  kPtUlob2100 = 6,
  kPtUlob2110 = 7,
  kPtUlo11Alk = 8,
  kPtUlo20Alk = 9,
  kPtUlo21Alk = 10,
  kPtUlob210F = 11,
  kPtUlta0000 = 12,
  kPtUlta1000 = 13,
  kPtUlpu0000 = 14,
  kPtUlpu1000 = 15,
  kPtUlpu2000 = 16,
  kPtUlpu3000 = 17,
  kPtUlpu4000 = 18,
  kPtUlpu5000 = 19,
  kPtUlpu6000 = 20,
  kPtUlpu6100 = 21,
  kPtUlpu7000 = 22,
  kPtUlovek00 = 23,
  kPtUlodre00 = 24,
  kPtUlotex = 25,
  kPtUlqa0000 = 26,
  kPtUlodatum = 27,
  kPtIbenkrt = 28,
  kPtSuchkrit = 29,
  kPtAnfang = 30,
  kPtFirstWhf = 31,
  kPtWhfUlob1000 = 34,  // WHF_ULOB1000
  kPtWhfUlob2000 = 40,  // WHF_ULOB2000
  kPtLastWhf = 66,
};

// The parse cursor: the complete text of the record being parsed and the next position to read.
extern std::string g_parseText;
extern std::int32_t g_parsePos;

// The text the part classes read: g_parseText, unless a CParseCursor points them at another text.
extern const std::string_view* g_parseSource;
inline std::string_view ParseText() { return g_parseSource != nullptr ? *g_parseSource : std::string_view(g_parseText); }

// Points the parse cursor at `text` from `pos` on while it lives, and gives the cursor back as it
// was afterwards. The store parses a record and reads a part in place with it, where the record
// text lies, instead of copying the text into g_parseText.
class CParseCursor {
 public:
  CParseCursor(std::string_view text, std::int32_t pos)
      : m_text(text), m_savedSource(g_parseSource), m_savedPos(g_parsePos) {
    g_parseSource = &m_text;
    g_parsePos = pos;
  }
  ~CParseCursor() {
    g_parseSource = m_savedSource;
    g_parsePos = m_savedPos;
  }
  CParseCursor(const CParseCursor&) = delete;
  CParseCursor& operator=(const CParseCursor&) = delete;

 private:
  std::string_view m_text;
  const std::string_view* m_savedSource;
  std::int32_t m_savedPos;
};

class CEdbsPart {
 public:
  explicit CEdbsPart(int type) : m_type(type) {}
  virtual ~CEdbsPart() = default;
  CEdbsPart(const CEdbsPart&) = delete;
  CEdbsPart& operator=(const CEdbsPart&) = delete;

  const std::int32_t m_type;
};

// True when the parse text holds at least `width` characters from g_parsePos on.
inline bool ParseHasRoom(std::size_t width) {
  return g_parsePos >= 0 && ParseText().size() >= static_cast<std::size_t>(g_parsePos) + width;
}
// The `width` characters at g_parsePos + offset (fewer when the text ends earlier).
inline std::string_view ParseView(std::size_t offset, std::size_t width);

// A fixed-width text field: exactly the characters read, or empty when nothing was read.
// NUL bytes are ordinary characters here.
template <std::size_t N>
class Field {
  static_assert(N > 0 && N < 256);

 public:
  // Copies N characters from the parse cursor at `offset` (the caller has checked the room).
  void ReadAt(std::size_t offset) {
    const std::string_view text = ParseText();
    const std::size_t at = static_cast<std::size_t>(g_parsePos) + offset;
    if (g_parsePos >= 0 && at <= text.size() && text.size() - at >= N) {
      // A copy of a constant size, which the compiler does in a move or two: millions of parts
      // are read for every criterion and every export.
      std::memcpy(m_chars.data(), text.data() + at, N);
      m_len = static_cast<std::uint8_t>(N);
      return;
    }
    Assign(ParseView(offset, N));
  }
  void Assign(std::string_view text) {
    m_len = static_cast<std::uint8_t>(text.size() < N ? text.size() : N);
    for (std::size_t i = 0; i < m_len; ++i) m_chars[i] = text[i];
  }
  std::string_view View() const { return {m_chars.data(), m_len}; }
  std::string Str() const { return std::string(View()); }
  std::size_t size() const { return m_len; }
  bool empty() const { return m_len == 0; }
  // The character at i, or NUL beyond the field.
  char At(std::size_t i) const { return i < m_len && i < N ? m_chars[i] : '\0'; }

 private:
  std::array<char, N> m_chars{};
  std::uint8_t m_len = 0;
};

// The shared detail table: 100 rows of tag, label and value. FillDetail writes rows 0..n.
class CDetailTable {
 public:
  static constexpr int kRows = 100;
  void Set(int row, std::string_view tag, std::string_view label, std::string_view value);
  void SetTag(int row, std::string_view tag) { m_tag[row] = tag; }
  void SetLabel(int row, std::string_view label) { m_label[row] = label; }
  void SetValue(int row, std::string_view value) { m_value[row] = value; }
  void ClearRow(int row) { Set(row, {}, {}, {}); }
  void ClearAll();
  const std::string& Tag(int row) const { return m_tag[row]; }
  const std::string& Label(int row) const { return m_label[row]; }
  const std::string& Value(int row) const { return m_value[row]; }

 private:
  std::array<std::string, kRows> m_tag, m_label, m_value;
};

extern CDetailTable DetailTable;

// Text helpers with the C library's rules, independent of the user's locale.
// Integer: leading blanks skipped, optional sign, digits up to the first non-digit; 0 without digits.
long long TextToInt(std::string_view text);
// Double: optional sign, digits, decimal point, exponent; stops at the first character that does
// not fit; 0.0 without valid digits.
double TextToDouble(std::string_view text);
// Substrings that never read outside the text: a negative position starts at 0, a negative or
// zero count gives an empty text.
std::string_view Left(std::string_view text, long long count);
std::string_view Mid(std::string_view text, long long pos, long long count);

inline std::string_view ParseView(std::size_t offset, std::size_t width) {
  // Mid's rules, here where every part reads its fields.
  const std::string_view text = ParseText();
  const long long pos = static_cast<long long>(g_parsePos) + static_cast<long long>(offset);
  const std::size_t p = pos < 0 ? 0 : static_cast<std::size_t>(pos);
  if (width == 0 || p >= text.size()) return {};
  return {text.data() + p, width < text.size() - p ? width : text.size() - p};
}
// An integer as printf writes it with "%<width>lld" (fill ' ') or "%0<width>lld" (fill '0'):
// for the numbers of rows, lines and counts that every view writes by the thousand.
std::string PaddedInt(long long value, int width, char fill = ' ');
// printf into a std::string.
#if defined(__GNUC__)
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
#else
std::string Format(const char* format, ...);
#endif
