#pragma once
// The features of the export's layers, assembled in plain C++ from what was read from the store:
// every line, the area objects built from their lines (or the reason why not), point records and
// point objects. Text values are core text (Windows-1252).

#include <array>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "gis/edbs_source.h"
#include "gis/gis_geometry.h"
#include "gis/gis_schema.h"

namespace gis {

using FieldData = std::variant<std::string, long long, double>;

struct FieldValue {
  FieldValue(FieldId f, std::string text) : field(f), value(std::move(text)) {}
  FieldValue(FieldId f, long long number) : field(f), value(number) {}
  FieldValue(FieldId f, double real) : field(f), value(real) {}

  FieldId field;
  FieldData value;
};

// A fault carries its open ends as a point set; formats whose fault layer has no geometry leave
// it out.
using Geometry = std::variant<std::monostate, Point2, Polyline, MultiPolygon, PointSet>;

struct Feature {
  Geometry geometry;
  std::vector<FieldValue> values;

  // The value of a field, or nullptr when the feature has none.
  const FieldData* Find(FieldId field) const;
};

struct AssemblyStats {
  std::size_t distinctLines = 0;  // lines after merging the copies
  std::size_t innerLines = 0;     // lines with one object on both sides
  int parcels = 0;                // area objects of the parcel layer that were built
  int otherAreas = 0;             // other area objects that were built
};

struct GisData {
  std::array<std::vector<Feature>, kLayerCount> layers;
  AssemblyStats stats;

  std::vector<Feature>& Layer(LayerId id) { return layers[static_cast<std::size_t>(id)]; }
  const std::vector<Feature>& Layer(LayerId id) const { return layers[static_cast<std::size_t>(id)]; }
};

// Judges a built area; an area it rejects is reported in the fault layer instead.
using AreaCheck = std::function<bool(const MultiPolygon&)>;

GisData BuildFeatures(const SourceData& source, const AreaCheck& check = {}, const Progress& progress = {});

// The messages of the fault layer.
std::string OpenRingsMessage();
std::string NoBoundaryMessage();
std::string InvalidAreaMessage();

// "R H, R H" with three decimals: the open ends as the fault layer lists them.
std::string FormatPoints(const std::vector<Point2>& points);

}  // namespace gis
