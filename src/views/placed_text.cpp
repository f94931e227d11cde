#include "views/placed_text.h"

#include "records/edbs_part.h"

namespace {

// Leading "0" become blanks, at most `maxZeros` of them, so that a number of zeros keeps its last.
std::string BlankLeadingZeros(std::string_view digits, int maxZeros) {
  std::string out(digits);
  for (int k = 0; k < maxZeros && k < static_cast<int>(out.size()) && out[k] == '0'; ++k) out[k] = ' ';
  return out;
}

std::string TrimLeadingBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimTrailingBlanks(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

// A number field at `pos` of `width` characters with up to `maxZeros` leading zeros blanked and
// the leading blanks removed.
std::string NumberAt(std::string_view field, int pos, int width, int maxZeros) {
  return TrimLeadingBlanks(BlankLeadingZeros(Mid(field, pos, width), maxZeros));
}

// A parcel number "numerator/denominator"; the numerator alone when the denominator is 0.
std::string Fraction(std::string_view field, int numPos, int numWidth, int denPos, int denWidth) {
  const std::string numerator = NumberAt(field, numPos, numWidth, numWidth - 1);
  const std::string denominator = NumberAt(field, denPos, denWidth, denWidth - 1);
  if (denominator == "0") return numerator;
  return numerator + "/" + denominator;
}

std::string DecodeNumber(std::string_view field) {
  const std::string_view head = Left(field, 2);
  if (head == "HA") return NumberAt(field, 15, 4, 3) + TrimLeadingBlanks(Mid(field, 19, 4));  // house number
  if (head == "FS") return Fraction(field, 11, 5, 16, 3);  // parcel number
  if (head == "FB") return Fraction(field, 10, 4, 14, 3);  // parcel number, short form
  if (head == "  ") return NumberAt(field, 11, 5, 4);      // point number
  return std::string(kNoPlacedText);
}

}  // namespace

bool IsNumberKind(std::string_view infoKind) { return infoKind >= "11" && infoKind <= "19"; }

bool IsTextKind(std::string_view infoKind) {
  return IsNumberKind(infoKind) || infoKind == "21" || infoKind == "23" || infoKind == "25" || infoKind == "44";
}

std::string DerivePlacedText(std::string_view infoKind, std::string_view textField) {
  if (IsNumberKind(infoKind)) return DecodeNumber(textField);
  if (infoKind == "21" || infoKind == "23" || infoKind == "25") return TrimTrailingBlanks(textField);
  if (infoKind == "44") {
    std::string text = TrimTrailingBlanks(textField);
    for (std::size_t k = 0; k < 2 && k < text.size(); ++k) text[k] = ' ';
    return TrimLeadingBlanks(text);
  }
  return std::string(kNoPlacedText);
}
