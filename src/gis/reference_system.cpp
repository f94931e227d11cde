#include "gis/reference_system.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace gis {
namespace {

constexpr int kFirstZone = 2;
constexpr int kLastZone = 5;
constexpr int kEpsgOfZone2 = 31466;
constexpr int kUtmZone32 = 25832;
constexpr int kUtmZone33 = 25833;
// Gauss-Krueger zones up to this one lie in UTM zone 32 (its central meridian 9 degrees east).
constexpr int kLastZoneInUtm32 = 3;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

}  // namespace

int GaussKruegerEpsg(double rechtswert) {
  if (!(rechtswert >= 1000000.0 && rechtswert < 10000000.0)) return 0;
  const int zone = static_cast<int>(std::floor(rechtswert / 1000000.0));
  if (zone < kFirstZone || zone > kLastZone) return 0;
  return kEpsgOfZone2 + zone - kFirstZone;
}

int EtrsUtmEpsg(int gaussKruegerEpsg) {
  const int zone = gaussKruegerEpsg - kEpsgOfZone2 + kFirstZone;
  if (zone < kFirstZone || zone > kLastZone) return 0;
  return zone <= kLastZoneInUtm32 ? kUtmZone32 : kUtmZone33;
}

std::optional<int> ParseEpsg(std::string_view text) {
  text = Trim(text);
  if (text.size() > 5 && (text.substr(0, 5) == "EPSG:" || text.substr(0, 5) == "epsg:")) text = Trim(text.substr(5));
  int code = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (error != std::errc() || end != text.data() + text.size() || code <= 0) return std::nullopt;
  return code;
}

}  // namespace gis
