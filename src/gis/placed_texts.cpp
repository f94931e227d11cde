#include "gis/placed_texts.h"

#include "records/part_classes.h"
#include "store/edbs_store.h"
#include "views/geometry_walk.h"
#include "views/settings.h"

namespace gis {
namespace {

constexpr double kDegreesPerAngleUnit = 0.1;  // the walk turns texts in tenths of a degree

// Takes the walk's texts in metres and leaves its lines to the layer of lines.
class TextCollector : public PlanSink {
 public:
  struct Placement {
    SourceText text;
    int part = 0;
  };

  PlanPoint Map(double x, double y) const override { return {x, y}; }
  void MoveTo(const PlanPoint&) override {}
  void LineTo(const PlanPoint&) override {}
  void Arc(const PlanPoint&, const PlanPoint&, const PlanPoint&, std::string_view) override {}
  bool PlaceText(const PlanPoint& at, int angle, const std::string& text, int part) override {
    Placement p;
    p.text.text = TrimRight(text);  // a house number without addition ends in blanks
    p.text.position = {at.x, at.y};
    p.text.angle = angle * kDegreesPerAngleUnit;
    p.text.height = g_textHeight;
    p.part = part;
    m_placements.push_back(std::move(p));
    return true;
  }

  std::vector<Placement>& Placements() { return m_placements; }

 private:
  std::vector<Placement> m_placements;
};

// The object function that a part of the record belongs to: the last one before it; -1 when none.
int ObjectOf(const CEdbsRecord& record, int part) {
  for (int j = part; j >= 0; --j) {
    const int type = record.m_parts[static_cast<std::size_t>(j)].m_type;
    if (type == kPtUlob2000 || type == kPtUlo20Alk) return j;
  }
  return -1;
}

}  // namespace

std::vector<SourceText> PlacedTexts(int record, const Origin& origin) {
  TextCollector collector;
  WalkRecordGeometry(record, collector);
  std::vector<SourceText> texts;
  const CEdbsRecord& r = g_store.Record(record);
  for (TextCollector::Placement& p : collector.Placements()) {
    if (const int j = ObjectOf(r, p.part); j >= 0) {
      const CUlob2000Part object = ReadPart<CUlob2000Part>(r.m_parts[static_cast<std::size_t>(j)]);
      p.text.layer = TrimRight(object.GetLayer());
      p.text.objectKind = TrimRight(object.GetObjectType());
      p.text.objectNumber = TrimRight(object.m_objectNumber.View());
    }
    p.text.origin = origin;
    texts.push_back(std::move(p.text));
  }
  return texts;
}

}  // namespace gis
