#pragma once
// The text that a plan places for a special information (house numbers, parcel numbers, names,
// free lettering), derived from its kind and its text field. The graphic and every other writer
// of plans use this one derivation, so that they all place the same texts.

#include <string>
#include <string_view>

// The derived text that stands for "nothing to place".
inline constexpr std::string_view kNoPlacedText = "NIX";

// The text to place for a special information of kind `infoKind` whose text field is
// `textField`, or kNoPlacedText. Kinds "11" to "19" decode house numbers ("HA"), parcel numbers
// ("FS", "FB") and point numbers (two blanks); "21", "23" and "25" place the text itself; "44"
// places it without its first two characters. Only blanks are trimmed.
std::string DerivePlacedText(std::string_view infoKind, std::string_view textField);

// True for the kinds whose special information carries a text to place.
bool IsTextKind(std::string_view infoKind);
// True for the kinds "11" to "19" (compared as texts): numbers decoded from the text field.
bool IsNumberKind(std::string_view infoKind);
