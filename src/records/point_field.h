#pragma once
// EDBS point fields: 20 characters in a signed form or one of three numbering-district forms.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Rechtswert (plotted to the right) and Hochwert (plotted upwards) in metres.
void DecodePoint(std::string_view field, double& rechtswert, double& hochwert);
// "( R / H )" with both digit strings as the field carries them.
std::string FormatPoint(std::string_view field);

// The same text in a buffer of its own, for the detail rows of millions of points.
class CPointText {
 public:
  explicit CPointText(std::string_view field);
  std::string_view View() const { return {m_chars.data(), m_size}; }

 private:
  std::array<char, 56> m_chars;  // written before it is read
  std::size_t m_size = 0;
};
