#include "views/graphic.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/canvas.h"
#include "platform/services.h"
#include "records/edbs_part.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/geometry_drawing.h"
#include "views/screen_math.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace {

using edbs::SolidPen;

using screen::Trunc;
using screen::WrapAdd;
using screen::WrapSub;

constexpr edbs::Color kBlack{0, 0, 0};
constexpr edbs::Color kRed{255, 0, 0};
constexpr edbs::Color kGreen{0, 255, 0};
constexpr edbs::Color kDarkGreen{0, 128, 0};
constexpr edbs::Color kGrey{127, 127, 127};
constexpr edbs::Color kWhite{255, 255, 255};

edbs::Font GraphicFont(int height, int weight, int escapement) {
  edbs::Font f;
  f.face = "Arial";
  f.height = height;
  f.weight = weight;
  f.escapement = escapement;
  f.quality = 2;
  return f;
}

// The geometry is drawn when the extent spans at least this many pixels both ways.
constexpr double kMinExtentPixels = 5.0;

// Grid: the lines cover this many pixels on each side of the centre, grids denser than this
// many lines on that reach are thinned, labels stand about this many pixels apart.
constexpr int kGridReach = 800;
constexpr int kMaxGridLines = 262;
constexpr int kLabelPixels = 80;
constexpr int kGridLineLength = 2000;
constexpr int kPixelsPerGridLine = 100;

constexpr std::array<double, 25> kGridSpacings = {
    0.1,   0.2,   0.5,   1,     2,     5,      10,     20,     50,      100,     200,     500,     1000,
    2000,  5000,  10000, 20000, 50000, 100000, 200000, 500000, 1000000, 2000000, 5000000, 10000000};

bool ShowsFilterSetOnly() { return g_graphicMode == 0; }

// Mode 0 shows the filter set alone; every other mode shows everything.
bool Qualifies(int i) { return !ShowsFilterSetOnly() || g_store.IsInFilterSet(i) != 0; }

bool IsPointType(int type) {
  return type == kPtUlob0000 || type == kPtUlob1000 || type == kPtUlob1200 || type == kPtUlob2110;
}

// The state of the grid for one paint.
struct Grid {
  int cx = 0, cy = 0;
  double spacing = 0;          // metres between drawn lines
  double originX = 0, originY = 0;  // a grid line's world coordinates near the centre
  double offsetX = 0, offsetY = 0;  // their pixel offsets from the centre
  long long from = 0, to = 0;  // line numbers k with from <= k < to
};

void DrawGridLines(edbs::Canvas& dc, const Grid& g, int w, int h) {
  dc.SelectPen(SolidPen(kGreen));
  const int verticalEnd = std::max(kGridLineLength, h);
  const int horizontalEnd = std::max(kGridLineLength, w);
  for (long long k = g.from; k < g.to; ++k) {
    const double d = static_cast<double>(k) * g.spacing * g_viewScale;
    const int x = WrapAdd(g.cx, Trunc(d + g.offsetX));
    dc.MoveTo(x, 0);
    dc.LineTo(x, verticalEnd);
    const int y = WrapSub(g.cy, Trunc(d + g.offsetY));
    dc.MoveTo(0, y);
    dc.LineTo(horizontalEnd, y);
  }
}

void DrawThinningMessages(edbs::Canvas& dc, int every) {
  dc.SelectFont(GraphicFont(16, 600, 0));
  dc.SetTextColor(kRed);
  dc.TextOut(50, 50, "Der Abstand der Koordinatenlinien ist kleiner als 3 Pixel!");
  dc.TextOut(50, 65, Format("Es wird nur jede %d-te Linie gezeichnet!", every));
}

// V-shaped marks at the top and left edge that point at a labelled line.
void DrawLabelTicks(edbs::Canvas& dc, const Grid& g, double d) {
  dc.SelectPen(SolidPen(kBlack));
  dc.MoveTo(WrapAdd(g.cx, Trunc(d + g.offsetX - 5)), 10);
  dc.LineTo(WrapAdd(g.cx, Trunc(d + g.offsetX)), 20);
  dc.LineTo(WrapAdd(g.cx, Trunc(d + g.offsetX + 5)), 10);
  dc.MoveTo(10, WrapSub(g.cy, Trunc(d + g.offsetY - 5)));
  dc.LineTo(20, WrapSub(g.cy, Trunc(d + g.offsetY)));
  dc.LineTo(10, WrapSub(g.cy, Trunc(d + g.offsetY + 5)));
}

void DrawGridLabels(edbs::Canvas& dc, const Grid& g) {
  dc.SetTextAlign(edbs::TextAlign::CentreTop);
  dc.SetTextColor(kDarkGreen);
  int step = Trunc(kLabelPixels / (g_viewScale * g.spacing));
  if (step < 1) step = 1;
  for (long long k = g.from; k < g.to; k += step) {
    const double v = static_cast<double>(k) * g.spacing;
    const double d = v * g_viewScale;
    dc.SelectFont(GraphicFont(12, 900, 0));
    dc.TextOut(WrapAdd(g.cx, Trunc(d + g.offsetX)), 0, Format("%d", Trunc(g.originX + v)));
    dc.SelectFont(GraphicFont(12, 600, 900));
    dc.TextOut(0, WrapSub(g.cy, Trunc(d + g.offsetY)), Format("%d", Trunc(g.originY + v)));
    if (step > 1) DrawLabelTicks(dc, g, d);
  }
  dc.SetTextAlign(edbs::TextAlign::LeftTop);
}

void DrawGrid(edbs::Canvas& dc, int w, int h) {
  Grid g;
  g.cx = w / 2;
  g.cy = h / 2;
  g.spacing = g_settings.Gitterabstand;
  if (g_settings.Gitterauto) {
    g.spacing = AutomaticGridSpacing(w, g_viewScale);
    g_settings.Gitterabstand = g.spacing;
  }
  g.originX = Trunc(g_viewCentreX / g.spacing) * g.spacing;
  g.originY = Trunc(g_viewCentreY / g.spacing) * g.spacing;
  g.offsetX = (g.originX - g_viewCentreX) * g_viewScale;
  g.offsetY = (g.originY - g_viewCentreY) * g_viewScale;

  int n = Trunc(kGridReach / (g_viewScale * g.spacing));
  int every = 1;
  while (n > kMaxGridLines) {
    every *= 10;
    n /= 10;
  }
  if (every > 1) g.spacing *= every;
  // Windows wider or taller than twice the reach get the grid to their edges too.
  const long long reaches = std::max({1, (g.cx + kGridReach - 1) / kGridReach, (g.cy + kGridReach - 1) / kGridReach});
  g.from = -static_cast<long long>(n) * reaches;
  g.to = static_cast<long long>(n) * reaches;

  DrawGridLines(dc, g, w, h);
  if (every > 1) DrawThinningMessages(dc, every);
  if (g_settings.Gitterschrift) DrawGridLabels(dc, g);
}

void DrawPass(edbs::Canvas& dc, edbs::Color colour, bool filterSet, int cx, int cy) {
  dc.SelectPen(SolidPen(colour));
  dc.SetTextColor(colour);
  const int records = g_store.GetRecordCount();
  for (int i = 0; i < records; ++i) {
    if ((g_store.IsInFilterSet(i) != 0) == filterSet) DrawRecordGeometry(dc, i, g_viewCentreX, g_viewCentreY, cx, cy);
  }
}

void DrawPasses(edbs::Canvas& dc, int cx, int cy) {
  if (ShowsFilterSetOnly()) {
    DrawPass(dc, kRed, true, cx, cy);
    return;
  }
  DrawPass(dc, kBlack, false, cx, cy);
  // The filter set on top.
  if (g_filterCount > 0) DrawPass(dc, kRed, true, cx, cy);
}

// A pixel offset for the pushpin: a single point has an infinite scale, and its offset 0 x inf
// stands for the centre.
double MarkerOffset(double metres) {
  const double offset = metres * g_viewScale;
  return std::isnan(offset) ? 0.0 : offset;
}

void DrawPushpin(edbs::Canvas& dc, const GraphicExtent& e, int cx, int cy) {
  const int px = WrapAdd(cx, Trunc(MarkerOffset(e.xMin - g_viewCentreX)));
  const int py = WrapSub(cy, Trunc(MarkerOffset(e.yMin - g_viewCentreY)));
  auto at = [](int base, int d) { return WrapAdd(base, d); };

  dc.SelectPen(SolidPen(kGrey));  // the needle
  dc.MoveTo(at(px, 16), at(py, -30));
  dc.LineTo(px, py);
  dc.LineTo(at(px, 13), at(py, -30));

  dc.SelectPen(SolidPen(kRed));  // the head, a disc of seven rings
  for (int k = 0; k <= 6; ++k) {
    dc.Arc(at(px, 8 + k), at(py, -37 + k), at(px, 22 - k), at(py, -23 - k), at(px, 22 - k), at(py, -30),
           at(px, 22 - k), at(py, -30));
  }

  dc.SelectPen(SolidPen(kBlack));  // shading of the lower left half
  dc.Arc(at(px, 8), at(py, -37), at(px, 22), at(py, -23), at(px, -5), at(py, -10), at(px, 35), at(py, -50));
  dc.Arc(at(px, 9), at(py, -36), at(px, 21), at(py, -24), at(px, -5), at(py, -10), at(px, 35), at(py, -50));

  dc.SelectPen(SolidPen(kWhite));  // the highlight
  constexpr int kStrokes[4][4] = {{12, -30, 15, -33}, {11, -30, 15, -34}, {10, -30, 15, -35}, {10, -31, 14, -35}};
  for (const auto& s : kStrokes) {
    dc.MoveTo(at(px, s[0]), at(py, s[1]));
    dc.LineTo(at(px, s[2]), at(py, s[3]));
  }
}

}  // namespace

GraphicExtent ComputeGraphicExtent() {
  GraphicExtent e;
  const int records = g_store.GetRecordCount();
  for (int i = 0; i < records; ++i) {
    const int opKey = g_store.GetOpKeyIndex(i);
    if ((opKey != kFEIN && opKey != kBSPE) || !Qualifies(i)) continue;
    const int parts = g_store.GetPartCount(i);
    for (int j = 0; j < parts; ++j) {
      double x = 0, y = 0;
      if (!IsPointType(g_store.GetPartType(i, j)) || g_store.GetPoint(i, j, x, y) != 0) continue;
      if (x < e.xMin) e.xMin = x;
      if (x > e.xMax) e.xMax = x;
      if (y < e.yMin) e.yMin = y;
      if (y > e.yMax) e.yMax = y;
    }
  }
  return e;
}

double AutomaticGridSpacing(int w, double scale) {
  constexpr double kLargest = kGridSpacings.back();
  const int lines = w / kPixelsPerGridLine;
  if (lines == 0) return kLargest;
  const double target = (w / scale) / lines;
  for (double s : kGridSpacings) {
    if (s > target) return s;
  }
  return kLargest;
}

void DrawGraphic(edbs::Canvas& dc) {
  dc.SetBkMode(edbs::BkMode::Transparent);
  const edbs::Size client = dc.GetClientSize();
  const int w = client.cx, h = client.cy;
  const int cx = w / 2, cy = h / 2;
  if (g_store.GetRecordCount() == 0) return;

  dc.Save();
  dc.SelectPen(SolidPen(kBlack));
  edbs::Cursor().Show(true);

  const GraphicExtent e = ComputeGraphicExtent();
  g_viewCentreX = (e.xMin + e.xMax) * 0.5 + g_viewPanX;
  g_viewCentreY = (e.yMin + e.yMax) * 0.5 - g_viewPanY;
  const double dx = e.xMax - e.xMin;
  const double dy = e.yMax - e.yMin;
  g_viewScale = screen::Min(w / dx, h / dy) * g_viewZoom;

  if (g_settings.Gitternetz) DrawGrid(dc, w, h);
  if (dx * g_viewScale >= kMinExtentPixels && dy * g_viewScale >= kMinExtentPixels) {
    DrawPasses(dc, cx, cy);
  } else {
    DrawPushpin(dc, e, cx, cy);
  }

  edbs::Cursor().Show(false);
  dc.Restore();
}
