#pragma once
// The layers of the GIS export and their attributes: names in lower-case German without umlauts,
// the same in every layer where they apply.

#include <span>
#include <string_view>

namespace gis {

enum class FieldId : int {
  kFolie,
  kObjektart,
  kObjekttyp,
  kObjektnummer,
  kAktualitaet,
  kEntstehung,
  kObjektnummerRechts,
  kObjektnummerLinks,
  kFlurstueck,
  kPunktnummer,
  kPunktart,
  kPunktstatus,
  kText,
  kWinkel,
  kHoehe,
  kMeldung,
  kOffeneEnden,
  kZeile,
  kDatei,
};

enum class FieldType { kText, kInteger, kReal };

struct FieldDef {
  FieldId id;
  std::string_view name;
  // Shapefiles allow ten characters: a name of that length, and the width of a text field there.
  std::string_view shortName;
  FieldType type;
  int shapefileWidth;
};

enum class LayerId : int { kLinien, kFlaechen, kPunkte, kTexte, kFehler };
inline constexpr int kLayerCount = 5;

enum class GeometryType { kNone, kPoint, kLineString, kMultiPolygon };

struct LayerDef {
  LayerId id;
  std::string_view name;
  GeometryType geometry;
  std::span<const FieldId> fields;
};

const FieldDef& FieldOf(FieldId id);
// In the order of LayerId.
std::span<const LayerDef> Layers();
const LayerDef& LayerOf(LayerId id);

}  // namespace gis
