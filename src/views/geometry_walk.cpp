#include "views/geometry_walk.h"

#include <cmath>

#include "records/edbs_part.h"
#include "records/kind_texts.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/placed_text.h"
#include "views/screen_math.h"

namespace {

using screen::Trunc;
using screen::WrapAdd;
using screen::WrapSub;
namespace gk = geometry_kind;

// The conversion factors of the plans, to the last digit as the drawings have always used them;
// the pixel positions of texts depend on them.
constexpr double kDegreesPerRadian = 57.29577319531843;
constexpr double kDegreesPerGonHundredth = 0.009000000009;

// Kinds of special information that are drawn decorations (Objektausgestaltung).
bool IsDecorationKind(std::string_view kind) { return kind == "31" || kind == "32"; }
bool IsClosedLine(std::string_view kind) { return kind == gk::kPolygon || kind == gk::kSpline; }
bool IsArc(std::string_view kind) { return kind == gk::kArcCentreRight || kind == gk::kArcCentreLeft; }
bool IsLine(std::string_view kind) { return kind == gk::kStraight || kind == gk::kPolygon; }

// The direction from p to q in tenths of a degree, counter-clockwise from the X axis; 0 when the
// points coincide.
int DirectionAngle(const PlanPoint& p, const PlanPoint& q) {
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;
  const double r = std::sqrt(dx * dx + dy * dy);
  if (r == 0) return 0;
  double a = std::asin(dy / r) * kDegreesPerRadian;
  if (dx < 0) a = 180 - a;
  if (a < 0) a = a + 360;
  return Trunc(a * 10);
}

class GeometryWalk {
 public:
  GeometryWalk(int record, PlanSink& sink) : m_record(record), m_sink(sink) {}

  void Run();

 private:
  void StartPoint(int j);
  void LineEnd(int j);
  void SupportPoint(int j);
  void SpecialInformation(int j);
  void PositionPoint(int j);
  void TextStep(int j);
  void DecorationStep();

  bool ReadPoint(int j, PlanPoint& point) const;
  void PlaceText(const PlanPoint& at, int j) {
    if (m_sink.PlaceText(at, m_angle, m_text, j)) m_text = std::string(kNoPlacedText);
  }
  bool TextPending() const { return m_text != kNoPlacedText; }

  const int m_record;
  PlanSink& m_sink;

  PlanPoint m_s, m_e, m_p, m_q;
  PlanPoint m_lastPoint;  // of the last ULOB1200 or ULOB2110 part that had one
  std::string m_geometryKind;
  std::string m_infoKind;
  std::string m_text = std::string(kNoPlacedText);
  int m_points = 0;
  int m_angle = 0;  // tenths of a degree, counter-clockwise from the X axis
  bool m_closing = false;
};

void GeometryWalk::Run() {
  const int parts = g_store.GetPartCount(m_record);
  for (int j = 0; j < parts; ++j) {
    const int type = g_store.GetPartType(m_record, j);
    if (m_closing && (type == kPtWhfUlob1000 || type >= kPtWhfUlob2000)) {
      m_sink.LineTo(m_e);
      m_closing = false;
    }
    switch (type) {
      case kPtUlob0000: StartPoint(j); break;
      case kPtUlob1000: LineEnd(j); break;
      case kPtUlob1200: SupportPoint(j); break;
      case kPtUlob2000:
      case kPtUlo20Alk: break;
      case kPtUlob2100:
      case kPtUlo21Alk: SpecialInformation(j); break;
      case kPtUlob2110: PositionPoint(j); break;
      default:
        // A text of a special information without geometry is placed at the line's start.
        if (TextPending() && m_geometryKind == gk::kNone) PositionPoint(j);
        break;
    }
  }
  if (m_closing) m_sink.LineTo(m_e);
}

bool GeometryWalk::ReadPoint(int j, PlanPoint& point) const {
  double x = 0, y = 0;
  if (g_store.GetPoint(m_record, j, x, y) != 0) return false;
  point = m_sink.Map(x, y);
  return true;
}

void GeometryWalk::StartPoint(int j) { ReadPoint(j, m_s); }

void GeometryWalk::LineEnd(int j) {
  m_sink.MoveTo(m_s);
  ReadPoint(j, m_e);
  m_geometryKind = g_store.GetGeometryKind(m_record, j);
  if (m_geometryKind == gk::kStraight) {
    m_sink.LineTo(m_e);
    m_geometryKind.clear();
  } else if (IsClosedLine(m_geometryKind)) {
    m_closing = true;
  }
}

void GeometryWalk::SupportPoint(int j) {
  if (!ReadPoint(j, m_p)) return;
  m_lastPoint = m_p;
  if (IsClosedLine(m_geometryKind)) {
    m_sink.LineTo(m_p);
  } else if (IsArc(m_geometryKind)) {
    m_sink.Arc(m_s, m_e, m_p, m_geometryKind);
    m_geometryKind.clear();
  }
}

void GeometryWalk::SpecialInformation(int j) {
  m_geometryKind = g_store.GetGeometryKind(m_record, j);
  m_infoKind = g_store.GetInfoKind(m_record, j);
  m_text = DerivePlacedText(m_infoKind, g_store.GetInfoText(m_record, j));
  m_points = 0;
}

void GeometryWalk::PositionPoint(int j) {
  ++m_points;
  if (ReadPoint(j, m_q)) {
    m_lastPoint = m_q;
  } else {
    m_q = m_lastPoint;
  }
  if (TextPending() && IsTextKind(m_infoKind)) TextStep(j);
  if (IsDecorationKind(m_infoKind)) DecorationStep();
}

void GeometryWalk::TextStep(int j) {
  const std::string_view g = m_geometryKind;
  if (g == gk::kNone) {
    m_q = m_s;
    m_angle = 0;
    m_points = 0;
    PlaceText(m_q, j);
    return;
  }
  if (m_points == 1) {
    if (g == gk::kSymbolTurned) {
      // The direction counts from north in gon; the text turns from the X axis in degrees.
      const double gonHundredths = g_store.GetDirectionAngle(m_record, j);
      m_angle = WrapSub(900, Trunc(gonHundredths * kDegreesPerGonHundredth * 10));
      if (m_angle < 0) m_angle = WrapAdd(m_angle, 3600);
    } else if (g == gk::kSymbolUpright) {
      m_angle = 0;
      PlaceText(m_q, j);
    } else if (IsLine(g)) {
      if (m_infoKind > "19") {
        m_p = m_q;
      } else {
        m_sink.MoveTo(m_q);
      }
    } else {
      m_p = m_q;
    }
  } else if (m_points == 2) {
    if (g == gk::kSymbolTurned) {
      PlaceText(m_q, j);
    } else if (IsLine(g) && IsNumberKind(m_infoKind)) {
      m_e = m_q;
      m_angle = 0;
      if (g == gk::kStraight) {
        m_sink.LineTo(m_q);
        m_points = 0;
      } else {
        m_closing = true;
      }
      PlaceText(m_q, j);
    } else {
      m_angle = DirectionAngle(m_p, m_q);
      m_q = m_p;
      PlaceText(m_p, j);
    }
  } else if (m_infoKind <= "19") {
    m_sink.LineTo(m_q);
  } else if (IsClosedLine(g)) {
    m_geometryKind.clear();
  }
}

void GeometryWalk::DecorationStep() {
  const std::string_view g = m_geometryKind;
  const int n = m_points;
  if (n == 1) {
    if (IsArc(g)) {
      m_s = m_q;
    } else {
      m_sink.MoveTo(m_q);
    }
  } else if (g == gk::kStraight || g == gk::kLinePairs) {
    m_sink.LineTo(m_q);
    m_points = 0;
  } else if (n == 2 && IsClosedLine(g)) {
    m_e = m_q;
    m_closing = true;
  } else if ((n >= 3 && g == gk::kPolygon) || (n >= 4 && g == gk::kSpline)) {
    // The third point of a spline is not connected.
    m_sink.LineTo(m_q);
  } else if (n == 2 && IsArc(g)) {
    m_e = m_q;
  } else if (n == 3 && IsArc(g)) {
    m_sink.Arc(m_s, m_e, m_q, g);
  }
}

}  // namespace

void WalkRecordGeometry(int record, PlanSink& sink) {
  if (record < 0 || record >= g_store.GetRecordCount()) return;
  const int opKey = g_store.GetOpKeyIndex(record);
  if (opKey != kFEIN && opKey != kBSPE) return;
  GeometryWalk(record, sink).Run();
}
