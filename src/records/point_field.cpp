#include "records/point_field.h"

#include "records/edbs_part.h"

namespace {

bool IsSign(std::string_view s, std::size_t i) { return i < s.size() && (s[i] == '+' || s[i] == '-'); }
bool IsBlank(std::string_view s, std::size_t i) { return i < s.size() && s[i] == ' '; }

std::string Piece(std::string_view s, std::size_t from, std::size_t to) {
  return std::string(Mid(s, static_cast<long long>(from), static_cast<long long>(to - from)));
}

// The two digit strings of a point field; both functions build them the same way, so the shown
// text and the stored numbers agree.
void DigitStrings(std::string_view s, std::string& r, std::string& h) {
  if (IsSign(s, 0) && IsSign(s, 10)) {
    r = Piece(s, 0, 7) + "." + Piece(s, 7, 10);
    h = Piece(s, 10, 17) + "." + Piece(s, 17, 20);
  } else if (Mid(s, 4, 4) == "    ") {
    r = Piece(s, 0, 2) + Piece(s, 8, 13) + "." + Piece(s, 13, 14);
    h = Piece(s, 2, 4) + Piece(s, 14, 19) + "." + Piece(s, 19, 20);
  } else if (IsBlank(s, 5) && IsBlank(s, 7)) {
    r = Piece(s, 0, 2) + Piece(s, 4, 5) + Piece(s, 8, 12) + "." + Piece(s, 12, 14);
    h = Piece(s, 2, 4) + Piece(s, 6, 7) + Piece(s, 14, 18) + "." + Piece(s, 18, 20);
  } else {
    r = Piece(s, 0, 2) + Piece(s, 4, 6) + Piece(s, 8, 11) + "." + Piece(s, 11, 14);
    h = Piece(s, 2, 4) + Piece(s, 6, 8) + Piece(s, 14, 17) + "." + Piece(s, 17, 20);
  }
}

}  // namespace

void DecodePoint(std::string_view field, double& rechtswert, double& hochwert) {
  std::string r, h;
  DigitStrings(field, r, h);
  rechtswert = TextToDouble(r);
  hochwert = TextToDouble(h);
}

std::string FormatPoint(std::string_view field) {
  std::string r, h;
  DigitStrings(field, r, h);
  return "( " + r + " / " + h + " )";
}
