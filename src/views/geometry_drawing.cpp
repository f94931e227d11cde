#include "views/geometry_drawing.h"

#include <cmath>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "records/kind_texts.h"
#include "views/geometry_walk.h"
#include "views/screen_math.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace {

using screen::Trunc;
using screen::WrapAdd;
using screen::WrapSub;

// The conversion factor of the plans, to the last digit as the drawings have always used it; the
// pixel positions of texts depend on it.
constexpr double kRadiansPerDegreeTenth = 0.0017453294444444445;

// An arc whose chord is shorter than this part of its radius is drawn as its chord.
constexpr double kArcAsChordRatio = 0.15;
// An arc whose chord spans no more than this in X and in Y is too small to draw.
constexpr double kMinArcSpan = 2.0;
// Texts lower than this many pixels are not placed.
constexpr double kMinTextPixels = 2.0;

// The plan's surface: points as pixel offsets from the centre, kept within drawable range.
class CanvasSink : public PlanSink {
 public:
  CanvasSink(edbs::Canvas& dc, double centreX, double centreY, int cx, int cy)
      : m_dc(dc), m_centreX(centreX), m_centreY(centreY), m_cx(cx), m_cy(cy) {}

  PlanPoint Map(double x, double y) const override {
    return {screen::ClampOffset((x - m_centreX) * g_viewScale), screen::ClampOffset((y - m_centreY) * g_viewScale)};
  }
  void MoveTo(const PlanPoint& p) override { m_dc.MoveTo(PixelX(p.x), PixelY(p.y)); }
  void LineTo(const PlanPoint& p) override { m_dc.LineTo(PixelX(p.x), PixelY(p.y)); }
  void Arc(const PlanPoint& s, const PlanPoint& e, const PlanPoint& m, std::string_view kind) override;
  bool PlaceText(const PlanPoint& at, int angle, const std::string& text, int part) override;

 private:
  int PixelX(double ox) const { return WrapAdd(m_cx, Trunc(ox)); }
  int PixelY(double oy) const { return WrapSub(m_cy, Trunc(oy)); }

  edbs::Canvas& m_dc;
  const double m_centreX, m_centreY;
  const int m_cx, m_cy;
};

void CanvasSink::Arc(const PlanPoint& s, const PlanPoint& e, const PlanPoint& m, std::string_view kind) {
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
  const bool fromStart = kind == geometry_kind::kArcCentreRight;
  const PlanPoint& from = fromStart ? s : e;
  const PlanPoint& to = fromStart ? e : s;
  m_dc.Arc(l, t, rr, b, PixelX(from.x), PixelY(from.y), PixelX(to.x), PixelY(to.y));
}

bool CanvasSink::PlaceText(const PlanPoint& at, int angle, const std::string& text, int /*part*/) {
  const double hs = g_textHeight * g_viewScale;
  if (!(hs >= kMinTextPixels)) return false;  // stays pending for a later point
  edbs::Font font;
  font.face = "Arial";
  font.height = Trunc(hs);
  font.width = 0;
  font.escapement = angle;
  font.weight = 100;
  font.italic = true;
  font.quality = 2;
  const edbs::Font previous = m_dc.GetFont();
  m_dc.SelectFont(font);
  // The top-left corner lies one text height above the point, across the direction, so that
  // the text stands on the point.
  const double phi = angle * kRadiansPerDegreeTenth;
  m_dc.TextOut(PixelX(at.x - hs * std::sin(phi)), PixelY(at.y + hs * std::cos(phi)), text);
  m_dc.SelectFont(previous);
  return true;
}

}  // namespace

void DrawRecordGeometry(edbs::Canvas& dc, int record, double centreX, double centreY, int cx, int cy) {
  CanvasSink sink(dc, centreX, centreY, cx, cy);
  WalkRecordGeometry(record, sink);
}
