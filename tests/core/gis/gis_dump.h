#pragma once
// A readable dump of the export's features, for golden files: per layer its name and count, per
// feature its geometry (coordinates with three decimals) and its values; the file is named
// without its folder, so that the dump does not depend on where the sources lie.

#include <filesystem>
#include <string>

#include "gis/gis_features.h"
#include "records/edbs_part.h"

namespace testing_gis {

inline std::string Coordinates(const gis::Polyline& points) {
  std::string text;
  for (const gis::Point2& p : points) text += (text.empty() ? "" : ", ") + Format("%.3f %.3f", p.x, p.y);
  return text;
}

inline std::string GeometryText(const gis::Geometry& geometry) {
  if (const auto* p = std::get_if<gis::Point2>(&geometry)) return "POINT (" + Coordinates({*p}) + ")";
  if (const auto* l = std::get_if<gis::Polyline>(&geometry)) return "LINESTRING (" + Coordinates(*l) + ")";
  if (const auto* s = std::get_if<gis::PointSet>(&geometry)) return "POINTS (" + Coordinates(s->points) + ")";
  if (const auto* m = std::get_if<gis::MultiPolygon>(&geometry)) {
    std::string text = "MULTIPOLYGON (";
    for (const gis::Polygon& polygon : *m) {
      text += "(\n      (" + Coordinates(polygon.shell) + ")";
      for (const gis::Ring& hole : polygon.holes) text += ",\n      (" + Coordinates(hole) + ")";
      text += ")";
    }
    return text + Format(") area %.3f", gis::Area(*m));
  }
  return "no geometry";
}

inline std::string ValueText(const gis::FieldValue& v) {
  const std::string name(gis::FieldOf(v.field).name);
  if (const auto* text = std::get_if<std::string>(&v.value)) {
    if (v.field == gis::FieldId::kDatei) return name + "=" + std::filesystem::path(*text).filename().string();
    return name + "=" + *text;
  }
  if (const auto* number = std::get_if<long long>(&v.value)) return name + "=" + std::to_string(*number);
  return name + "=" + Format("%.3f", std::get<double>(v.value));
}

inline std::string Dump(const gis::GisData& data) {
  std::string text;
  for (const gis::LayerDef& def : gis::Layers()) {
    const auto& features = data.Layer(def.id);
    text += std::string(def.name) + " " + std::to_string(features.size()) + "\n";
    for (const gis::Feature& f : features) {
      text += "  " + GeometryText(f.geometry) + "\n   ";
      for (const gis::FieldValue& v : f.values) text += " " + ValueText(v);
      text += "\n";
    }
  }
  return text;
}

}  // namespace testing_gis
