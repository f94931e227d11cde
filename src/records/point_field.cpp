#include "records/point_field.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "records/edbs_part.h"

namespace {

bool IsSign(std::string_view s, std::size_t i) { return i < s.size() && (s[i] == '+' || s[i] == '-'); }
bool IsBlank(std::string_view s, std::size_t i) { return i < s.size() && s[i] == ' '; }

// A digit string of a point: pieces of the field and the decimal point, at most 21 characters.
// Built in place, without a string of its own: every point of a large delivery is decoded.
class DigitString {
 public:
  // Characters from..to of the field (fewer when the field is shorter).
  DigitString& Piece(std::string_view s, std::size_t from, std::size_t to) {
    for (const char c : Mid(s, static_cast<long long>(from), static_cast<long long>(to - from))) m_chars[m_size++] = c;
    return *this;
  }
  // The same for a field of 20 characters, where every piece is whole.
  template <std::size_t From, std::size_t To>
  DigitString& Whole(const char* field) {
    std::memcpy(m_chars.data() + m_size, field + From, To - From);
    m_size += To - From;
    return *this;
  }
  DigitString& Point() {
    m_chars[m_size++] = '.';
    return *this;
  }
  std::string_view View() const { return {m_chars.data(), m_size}; }

 private:
  std::array<char, 24> m_chars;  // written before it is read
  std::size_t m_size = 0;
};

// The two digit strings of a point field; both functions build them the same way, so the shown
// text and the stored numbers agree.
void DigitStrings(std::string_view s, DigitString& r, DigitString& h) {
  const char* f = s.data();
  const bool whole = s.size() >= 20;
  if (IsSign(s, 0) && IsSign(s, 10)) {
    if (whole) {
      r.Whole<0, 7>(f).Point().Whole<7, 10>(f);
      h.Whole<10, 17>(f).Point().Whole<17, 20>(f);
      return;
    }
    r.Piece(s, 0, 7).Point().Piece(s, 7, 10);
    h.Piece(s, 10, 17).Point().Piece(s, 17, 20);
  } else if (Mid(s, 4, 4) == "    ") {
    if (whole) {
      r.Whole<0, 2>(f).Whole<8, 13>(f).Point().Whole<13, 14>(f);
      h.Whole<2, 4>(f).Whole<14, 19>(f).Point().Whole<19, 20>(f);
      return;
    }
    r.Piece(s, 0, 2).Piece(s, 8, 13).Point().Piece(s, 13, 14);
    h.Piece(s, 2, 4).Piece(s, 14, 19).Point().Piece(s, 19, 20);
  } else if (IsBlank(s, 5) && IsBlank(s, 7)) {
    if (whole) {
      r.Whole<0, 2>(f).Whole<4, 5>(f).Whole<8, 12>(f).Point().Whole<12, 14>(f);
      h.Whole<2, 4>(f).Whole<6, 7>(f).Whole<14, 18>(f).Point().Whole<18, 20>(f);
      return;
    }
    r.Piece(s, 0, 2).Piece(s, 4, 5).Piece(s, 8, 12).Point().Piece(s, 12, 14);
    h.Piece(s, 2, 4).Piece(s, 6, 7).Piece(s, 14, 18).Point().Piece(s, 18, 20);
  } else {
    if (whole) {
      r.Whole<0, 2>(f).Whole<4, 6>(f).Whole<8, 11>(f).Point().Whole<11, 14>(f);
      h.Whole<2, 4>(f).Whole<6, 8>(f).Whole<14, 17>(f).Point().Whole<17, 20>(f);
      return;
    }
    r.Piece(s, 0, 2).Piece(s, 4, 6).Piece(s, 8, 11).Point().Piece(s, 11, 14);
    h.Piece(s, 2, 4).Piece(s, 6, 8).Piece(s, 14, 17).Point().Piece(s, 17, 20);
  }
}

// The number of a digit string as TextToDouble reads it. A string of an optional sign, digits, the
// point and digits (fifteen digits at most), as every well-formed field gives, is computed as the
// integer of its digits divided by a power of ten: both are exact in a double, so the quotient is
// the correctly rounded number, as the general conversion gives it. Anything else goes there.
double DigitValue(std::string_view s) {
  static constexpr std::array<double, 16> kPowers = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::uint64_t mantissa = 0;
  int digits = 0, fraction = 0;
  bool point = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
      ++digits;
      if (point) ++fraction;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  // Blanks, a second point or a letter end the number; an exponent would continue it.
  const bool exponent = i < s.size() && (s[i] == 'e' || s[i] == 'E');
  if (digits == 0 || digits > 15 || exponent) return TextToDouble(s);
  const double value = static_cast<double>(mantissa) / kPowers[static_cast<std::size_t>(fraction)];
  return negative ? -value : value;
}

}  // namespace

void DecodePoint(std::string_view field, double& rechtswert, double& hochwert) {
  DigitString r, h;
  DigitStrings(field, r, h);
  rechtswert = DigitValue(r.View());
  hochwert = DigitValue(h.View());
}

std::string FormatPoint(std::string_view field) { return std::string(CPointText(field).View()); }

CPointText::CPointText(std::string_view field) {
  DigitString r, h;
  DigitStrings(field, r, h);
  const auto put = [this](std::string_view piece) {
    std::memcpy(m_chars.data() + m_size, piece.data(), piece.size());
    m_size += piece.size();
  };
  put("( ");
  put(r.View());
  put(" / ");
  put(h.View());
  put(" )");
}
