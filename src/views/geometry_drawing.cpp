#include "views/geometry_drawing.h"

#include <cmath>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "records/edbs_part.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/placed_text.h"
#include "views/screen_math.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace {

using screen::Trunc;
using screen::WrapAdd;
using screen::WrapSub;

// The conversion factors of the plans, to the last digit as the drawings have always used them;
// the pixel positions of texts depend on them.
constexpr double kDegreesPerRadian = 57.29577319531843;
constexpr double kDegreesPerGonHundredth = 0.009000000009;
constexpr double kRadiansPerDegreeTenth = 0.0017453294444444445;

// An arc whose chord is shorter than this part of its radius is drawn as its chord.
constexpr double kArcAsChordRatio = 0.15;
// An arc whose chord spans no more than this in X and in Y is too small to draw.
constexpr double kMinArcSpan = 2.0;
// Texts lower than this many pixels are not placed.
constexpr double kMinTextPixels = 2.0;

// Kinds of geometry ("Art der Geometrie").
constexpr std::string_view kStraightLine = "11";
constexpr std::string_view kLinePairs = "12";
constexpr std::string_view kPolygon = "15";
constexpr std::string_view kArcLeft = "21";
constexpr std::string_view kArcRight = "22";
constexpr std::string_view kSpline = "41";
constexpr std::string_view kSymbolUpright = "51";
constexpr std::string_view kSymbolTurned = "53";
constexpr std::string_view kNoGeometry = "  ";

// Kinds of special information that are drawn decorations (Objektausgestaltung).
bool IsDecorationKind(std::string_view kind) { return kind == "31" || kind == "32"; }
bool IsClosedLine(std::string_view kind) { return kind == kPolygon || kind == kSpline; }
bool IsArc(std::string_view kind) { return kind == kArcLeft || kind == kArcRight; }
bool IsLine(std::string_view kind) { return kind == kStraightLine || kind == kPolygon; }

// A point as its pixel offset from the centre, X to the right and Y upwards.
struct Offset {
  double x = 0;
  double y = 0;
};

// The direction from p to q in tenths of a degree, counter-clockwise from the X axis; 0 when the
// points coincide.
int DirectionAngle(const Offset& p, const Offset& q) {
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;
  const double r = std::sqrt(dx * dx + dy * dy);
  if (r == 0) return 0;
  double a = std::asin(dy / r) * kDegreesPerRadian;
  if (dx < 0) a = 180 - a;
  if (a < 0) a = a + 360;
  return Trunc(a * 10);
}

// The walk over one record's parts: in EDBS a line's geometry is spread over consecutive parts.
class GeometryWalk {
 public:
  GeometryWalk(edbs::Canvas& dc, int record, double centreX, double centreY, int cx, int cy)
      : m_dc(dc), m_record(record), m_centreX(centreX), m_centreY(centreY), m_cx(cx), m_cy(cy) {}

  void Run();

 private:
  void StartPoint(int j);
  void LineEnd(int j);
  void SupportPoint(int j);
  void SpecialInformation(int j);
  void PositionPoint(int j);
  void TextStep(int j);
  void DecorationStep();

  bool ReadPoint(int j, Offset& point) const;
  int PixelX(double ox) const { return WrapAdd(m_cx, Trunc(ox)); }
  int PixelY(double oy) const { return WrapSub(m_cy, Trunc(oy)); }
  void MoveTo(const Offset& p) { m_dc.MoveTo(PixelX(p.x), PixelY(p.y)); }
  void LineTo(const Offset& p) { m_dc.LineTo(PixelX(p.x), PixelY(p.y)); }
  void DrawArc(const Offset& s, const Offset& e, const Offset& m, std::string_view kind);
  void PlaceText(const Offset& at);
  bool TextPending() const { return m_text != kNoPlacedText; }

  edbs::Canvas& m_dc;
  const int m_record;
  const double m_centreX, m_centreY;
  const int m_cx, m_cy;

  Offset m_s, m_e, m_p, m_q;
  Offset m_lastPoint;  // of the last ULOB1200 or ULOB2110 part that had one
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
      LineTo(m_e);
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
        if (TextPending() && m_geometryKind == kNoGeometry) PositionPoint(j);
        break;
    }
  }
  if (m_closing) LineTo(m_e);
}

bool GeometryWalk::ReadPoint(int j, Offset& point) const {
  double x = 0, y = 0;
  if (g_store.GetPoint(m_record, j, x, y) != 0) return false;
  point.x = screen::ClampOffset((x - m_centreX) * g_viewScale);
  point.y = screen::ClampOffset((y - m_centreY) * g_viewScale);
  return true;
}

void GeometryWalk::StartPoint(int j) { ReadPoint(j, m_s); }

void GeometryWalk::LineEnd(int j) {
  MoveTo(m_s);
  ReadPoint(j, m_e);
  m_geometryKind = g_store.GetGeometryKind(m_record, j);
  if (m_geometryKind == kStraightLine) {
    LineTo(m_e);
    m_geometryKind.clear();
  } else if (IsClosedLine(m_geometryKind)) {
    m_closing = true;
  }
}

void GeometryWalk::SupportPoint(int j) {
  if (!ReadPoint(j, m_p)) return;
  m_lastPoint = m_p;
  if (IsClosedLine(m_geometryKind)) {
    LineTo(m_p);
  } else if (IsArc(m_geometryKind)) {
    DrawArc(m_s, m_e, m_p, m_geometryKind);
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
  if (g == kNoGeometry) {
    m_q = m_s;
    m_angle = 0;
    m_points = 0;
    PlaceText(m_q);
    return;
  }
  if (m_points == 1) {
    if (g == kSymbolTurned) {
      // The direction counts from north in gon; the text turns from the X axis in degrees.
      const double gonHundredths = g_store.GetDirectionAngle(m_record, j);
      m_angle = WrapSub(900, Trunc(gonHundredths * kDegreesPerGonHundredth * 10));
      if (m_angle < 0) m_angle = WrapAdd(m_angle, 3600);
    } else if (g == kSymbolUpright) {
      m_angle = 0;
      PlaceText(m_q);
    } else if (IsLine(g)) {
      if (m_infoKind > "19") {
        m_p = m_q;
      } else {
        MoveTo(m_q);
      }
    } else {
      m_p = m_q;
    }
  } else if (m_points == 2) {
    if (g == kSymbolTurned) {
      PlaceText(m_q);
    } else if (IsLine(g) && IsNumberKind(m_infoKind)) {
      m_e = m_q;
      m_angle = 0;
      if (g == kStraightLine) {
        LineTo(m_q);
        m_points = 0;
      } else {
        m_closing = true;
      }
      PlaceText(m_q);
    } else {
      m_angle = DirectionAngle(m_p, m_q);
      m_q = m_p;
      PlaceText(m_p);
    }
  } else if (m_infoKind <= "19") {
    LineTo(m_q);
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
      MoveTo(m_q);
    }
  } else if (g == kStraightLine || g == kLinePairs) {
    LineTo(m_q);
    m_points = 0;
  } else if (n == 2 && IsClosedLine(g)) {
    m_e = m_q;
    m_closing = true;
  } else if ((n >= 3 && g == kPolygon) || (n >= 4 && g == kSpline)) {
    // The third point of a spline is not connected.
    LineTo(m_q);
  } else if (n == 2 && IsArc(g)) {
    m_e = m_q;
  } else if (n == 3 && IsArc(g)) {
    DrawArc(m_s, m_e, m_q, g);
  }
}

void GeometryWalk::DrawArc(const Offset& s, const Offset& e, const Offset& m, std::string_view kind) {
  const double r = std::sqrt((s.x - m.x) * (s.x - m.x) + (s.y - m.y) * (s.y - m.y));
  const double chord = std::sqrt((e.x - s.x) * (e.x - s.x) + (e.y - s.y) * (e.y - s.y));
  if (kArcAsChordRatio * r > chord) {
    MoveTo(s);
    LineTo(e);
    return;
  }
  if (!(std::fabs(e.x - s.x) > kMinArcSpan || std::fabs(e.y - s.y) > kMinArcSpan)) return;
  const int l = PixelX(m.x - r), t = PixelY(m.y + r), rr = PixelX(m.x + r), b = PixelY(m.y - r);
  // The arc runs counter-clockwise on the screen: kind 21 from S to E, kind 22 from E to S.
  const Offset& from = kind == kArcLeft ? s : e;
  const Offset& to = kind == kArcLeft ? e : s;
  m_dc.Arc(l, t, rr, b, PixelX(from.x), PixelY(from.y), PixelX(to.x), PixelY(to.y));
}

void GeometryWalk::PlaceText(const Offset& at) {
  const double hs = g_textHeight * g_viewScale;
  if (!(hs >= kMinTextPixels)) return;  // stays pending for a later point
  edbs::Font font;
  font.face = "Arial";
  font.height = Trunc(hs);
  font.width = 0;
  font.escapement = m_angle;
  font.weight = 100;
  font.italic = true;
  font.quality = 2;
  const edbs::Font previous = m_dc.GetFont();
  m_dc.SelectFont(font);
  // The top-left corner lies one text height above the point, across the direction, so that
  // the text stands on the point.
  const double phi = m_angle * kRadiansPerDegreeTenth;
  m_dc.TextOut(PixelX(at.x - hs * std::sin(phi)), PixelY(at.y + hs * std::cos(phi)), m_text);
  m_dc.SelectFont(previous);
  m_text = std::string(kNoPlacedText);
}

}  // namespace

void DrawRecordGeometry(edbs::Canvas& dc, int record, double centreX, double centreY, int cx, int cy) {
  if (record < 0 || record >= g_store.GetRecordCount()) return;
  const int opKey = g_store.GetOpKeyIndex(record);
  if (opKey != kFEIN && opKey != kBSPE) return;
  GeometryWalk(dc, record, centreX, centreY, cx, cy).Run();
}
