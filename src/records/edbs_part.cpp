#include "records/edbs_part.h"

#include <cmath>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <iterator>
#include <vector>

std::string g_parseText;
std::int32_t g_parsePos = 0;
CDetailTable DetailTable;

const std::string_view* g_parseSource = nullptr;


void CDetailTable::Set(int row, std::string_view tag, std::string_view label, std::string_view value) {
  m_tag[row] = tag;
  m_label[row] = label;
  m_value[row] = value;
}

void CDetailTable::ClearAll() {
  for (int r = 0; r < kRows; ++r) ClearRow(r);
}

long long TextToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                             text[i] == '\v' || text[i] == '\f')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  unsigned long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const unsigned digit = static_cast<unsigned>(text[i] - '0');
    // Saturate like strtoll instead of wrapping.
    if (value > (9223372036854775807ULL - digit) / 10) {
      return negative ? (-9223372036854775807LL - 1) : 9223372036854775807LL;
    }
    value = value * 10 + digit;
  }
  return negative ? -static_cast<long long>(value) : static_cast<long long>(value);
}

double TextToDouble(std::string_view text) {
  // strtod's rules in the "C" locale, whatever locale the desktop program runs in: leading
  // blanks, an optional sign, digits with an optional '.', an optional exponent; the conversion
  // stops at the first character that does not fit.
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                             text[i] == '\v' || text[i] == '\f')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::string_view rest = text.substr(i);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
  if (end == rest.data()) return 0.0;  // no digits
  if (ec == std::errc::result_out_of_range) {
    const std::string_view number = rest.substr(0, static_cast<std::size_t>(end - rest.data()));
    const bool tiny = number.find("e-") != std::string_view::npos || number.find("E-") != std::string_view::npos;
    value = tiny ? 0.0 : HUGE_VAL;
  }
  return negative ? -value : value;
}


std::string_view Left(std::string_view text, long long count) { return Mid(text, 0, count); }

std::string_view Mid(std::string_view text, long long pos, long long count) {
  if (pos < 0) pos = 0;
  if (count <= 0 || static_cast<unsigned long long>(pos) >= text.size()) return {};
  const auto p = static_cast<std::size_t>(pos);
  const std::size_t rest = text.size() - p;
  const std::size_t n = static_cast<unsigned long long>(count) < rest ? static_cast<std::size_t>(count) : rest;
  return text.substr(p, n);
}

std::string PaddedInt(long long value, int width, char fill) {
  char digits[24];
  const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
  const auto n = static_cast<std::size_t>(end - digits);
  const std::size_t pad = width > 0 && static_cast<std::size_t>(width) > n ? static_cast<std::size_t>(width) - n : 0;
  std::string out;
  out.reserve(n + pad);
  if (fill == '0' && value < 0) {
    // The zeros stand between the sign and the digits.
    out += '-';
    out.append(pad, '0');
    out.append(digits + 1, end);
  } else {
    out.append(pad, fill);
    out.append(digits, end);
  }
  return out;
}

std::string Format(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  std::string out;
  if (n < 0) {
    va_end(copy);
    return out;
  }
  if (static_cast<std::size_t>(n) < sizeof buffer) {
    out.assign(buffer, static_cast<std::size_t>(n));
  } else {
    std::vector<char> big(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, copy);
    out.assign(big.data(), static_cast<std::size_t>(n));
  }
  va_end(copy);
  return out;
}
