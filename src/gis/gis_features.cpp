#include "gis/gis_features.h"

#include "gis/area_assembly.h"
#include "platform/cp1252_literal.h"
#include "records/edbs_part.h"

namespace gis {
namespace {

using F = FieldId;

// A feature with room for its fields at once: a delivery makes hundreds of thousands of them.
Feature WithRoomFor(std::size_t fields) {
  Feature f;
  f.values.reserve(fields);
  return f;
}

void AddOrigin(Feature& f, const Origin& origin) {
  f.values.emplace_back(F::kZeile, static_cast<long long>(origin.line));
  f.values.emplace_back(F::kDatei, origin.file);
}

void AddObjectFields(Feature& f, const SourceObject& o) {
  f.values.push_back({F::kFolie, o.layer});
  f.values.push_back({F::kObjektart, o.objectKind});
  f.values.push_back({F::kObjekttyp, o.objectType});
  f.values.push_back({F::kObjektnummer, o.objectNumber});
  f.values.push_back({F::kAktualitaet, o.currency});
  f.values.push_back({F::kEntstehung, o.creationDate});
}

Feature LineFeature(const SourceLine& line) {
  Feature f = WithRoomFor(6);
  f.geometry = line.vertices;
  if (!line.functions.empty()) {
    const LineFunction& first = line.functions.front();
    f.values.push_back({F::kFolie, first.layer});
    f.values.push_back({F::kObjektart, first.objectKind});
    f.values.push_back({F::kObjektnummerRechts, first.objectRight});
    f.values.push_back({F::kObjektnummerLinks, first.objectLeft});
  }
  AddOrigin(f, line.origin);
  return f;
}

Feature AreaFeature(const SourceObject& o, MultiPolygon polygons) {
  Feature f = WithRoomFor(9);
  f.geometry = std::move(polygons);
  AddObjectFields(f, o);
  if (o.layer == kParcelLayer) f.values.push_back({F::kFlurstueck, o.parcelKey});
  AddOrigin(f, o.origin);
  return f;
}

Feature FaultFeature(const SourceObject& o, const std::string& message, const std::vector<Point2>& openEnds) {
  Feature f = WithRoomFor(8);
  if (!openEnds.empty()) f.geometry = PointSet{openEnds};
  f.values.push_back({F::kFolie, o.layer});
  f.values.push_back({F::kObjektart, o.objectKind});
  f.values.push_back({F::kObjekttyp, o.objectType});
  f.values.push_back({F::kObjektnummer, o.objectNumber});
  f.values.push_back({F::kMeldung, message});
  if (!openEnds.empty()) f.values.push_back({F::kOffeneEnden, FormatPoints(openEnds)});
  AddOrigin(f, o.origin);
  return f;
}

Feature PointObjectFeature(const SourceObject& o) {
  Feature f = WithRoomFor(8);
  if (o.anchor) f.geometry = *o.anchor;
  AddObjectFields(f, o);
  AddOrigin(f, o.origin);
  return f;
}

Feature PointRecordFeature(const SourcePoint& p) {
  Feature f = WithRoomFor(6);
  if (p.position) f.geometry = *p.position;
  f.values.push_back({F::kPunktnummer, p.pointNumber});
  f.values.push_back({F::kPunktart, p.pointKind});
  f.values.push_back({F::kPunktstatus, p.pointStatus});
  f.values.push_back({F::kAktualitaet, p.currency});
  AddOrigin(f, p.origin);
  return f;
}

Feature TextFeature(const SourceText& t) {
  Feature f = WithRoomFor(8);
  f.geometry = t.position;
  f.values.emplace_back(F::kText, t.text);
  f.values.emplace_back(F::kWinkel, t.angle);
  f.values.emplace_back(F::kHoehe, t.height);
  if (!t.objectNumber.empty() || !t.layer.empty()) {
    f.values.emplace_back(F::kFolie, t.layer);
    f.values.emplace_back(F::kObjektart, t.objectKind);
    f.values.emplace_back(F::kObjektnummer, t.objectNumber);
  }
  AddOrigin(f, t.origin);
  return f;
}

void AddArea(GisData& data, const AreaAssembly& assembly, const SourceObject& o, const AreaCheck& check) {
  AreaOutcome outcome = assembly.Build(o.objectNumber);
  auto& faults = data.Layer(LayerId::kFehler);
  switch (outcome.status) {
    case AreaOutcome::Status::Open:
      faults.push_back(FaultFeature(o, OpenRingsMessage(), outcome.openEnds));
      return;
    case AreaOutcome::Status::NoLines:
      faults.push_back(FaultFeature(o, NoBoundaryMessage(), {}));
      return;
    case AreaOutcome::Status::Built:
      break;
  }
  if (check && !check(outcome.polygons)) {
    faults.push_back(FaultFeature(o, InvalidAreaMessage(), {}));
    return;
  }
  ++(o.layer == kParcelLayer ? data.stats.parcels : data.stats.otherAreas);
  data.Layer(LayerId::kFlaechen).push_back(AreaFeature(o, std::move(outcome.polygons)));
}

}  // namespace

const FieldData* Feature::Find(FieldId field) const {
  for (const FieldValue& v : values) {
    if (v.field == field) return &v.value;
  }
  return nullptr;
}

std::string OpenRingsMessage() { return CP("Ringe nicht geschlossen"); }
std::string NoBoundaryMessage() { return CP("keine Begrenzungslinien"); }
std::string InvalidAreaMessage() { return CP("Fläche ungültig (Ringe überschneiden sich)"); }

std::string FormatPoints(const std::vector<Point2>& points) {
  std::string text;
  for (const Point2& p : points) {
    if (!text.empty()) text += ", ";
    text += Format("%.3f %.3f", p.x, p.y);
  }
  return text;
}

GisData BuildFeatures(const SourceData& source, const AreaCheck& check, const Progress& progress) {
  GisData data;
  for (const SourceLine& line : source.lines) {
    if (line.selected) data.Layer(LayerId::kLinien).push_back(LineFeature(line));
  }
  const AreaAssembly assembly(source.lines);
  data.stats.distinctLines = assembly.DistinctLineCount();
  data.stats.innerLines = assembly.InnerLineCount();
  const std::size_t n = source.objects.size();
  for (std::size_t k = 0; k < n; ++k) {
    const SourceObject& o = source.objects[k];
    if (progress && k % 256 == 0) progress(static_cast<int>(100 * k / n));
    if (!o.selected) continue;
    if (o.objectType == kAreaObjectType) AddArea(data, assembly, o, check);
    if (o.objectType == kPointObjectType) data.Layer(LayerId::kPunkte).push_back(PointObjectFeature(o));
  }
  for (const SourcePoint& p : source.points) data.Layer(LayerId::kPunkte).push_back(PointRecordFeature(p));
  for (const SourceText& t : source.texts) data.Layer(LayerId::kTexte).push_back(TextFeature(t));
  if (progress) progress(100);
  return data;
}

}  // namespace gis
