#pragma once
// EDBS point fields: 20 characters in a signed form or one of three numbering-district forms.

#include <string>
#include <string_view>

// Rechtswert (plotted to the right) and Hochwert (plotted upwards) in metres.
void DecodePoint(std::string_view field, double& rechtswert, double& hochwert);
// "( R / H )" with both digit strings as the field carries them.
std::string FormatPoint(std::string_view field);
