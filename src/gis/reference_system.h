#pragma once
// Reference systems of the GIS export, named by their EPSG codes.

#include <optional>
#include <string_view>

namespace gis {

// The Gauss-Krueger zone of a Rechtswert of seven digits before the point: its first digit 2 to
// 5 names the zone, EPSG 31466 to 31469 (DHDN, 3-degree zones). 0 for any other value.
int GaussKruegerEpsg(double rechtswert);

// ETRS89 / UTM of the same area as a Gauss-Krueger zone (zones 2 and 3: 25832, zones 4 and 5:
// 25833), the usual target of a conversion; 0 for any other code.
int EtrsUtmEpsg(int gaussKruegerEpsg);

// "EPSG:31469", "epsg:31469" or "31469" (blanks around allowed): the code; nothing otherwise.
std::optional<int> ParseEpsg(std::string_view text);

}  // namespace gis
