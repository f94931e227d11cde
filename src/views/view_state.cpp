#include "views/view_state.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "records/edbs_part.h"
#include "records/filter_criteria.h"
#include "records/filter_values.h"
#include "store/edbs_store.h"
#include "views/screen_math.h"

double g_viewZoom = 1.0;
double g_viewScale = 1.0;
double g_viewCentreX = 0;
double g_viewCentreY = 0;
double g_viewPanX = 0;
double g_viewPanY = 0;
int g_mouseButton = kMouseNone;
int g_mouseDownX = 0;
int g_mouseDownY = 0;

namespace {

// A drag shorter than this many pixels both ways is a click.
constexpr int kMinDragPixels = 3;
// A click with the left button shows four times as much.
constexpr double kClickZoom = 0.25;
// One notch of the wheel.
constexpr double kWheelZoom = 1.25;
// The filter extends the set (refine would be 1) and does not negate.
constexpr int kFilterExtend = 0;
constexpr int kFilterNotNegated = 0;

void ZoomByDrag(int x, int y, int w, int h) {
  const int ax = std::abs(x - g_mouseDownX);
  const int ay = std::abs(y - g_mouseDownY);
  if (ax < kMinDragPixels && ay < kMinDragPixels) {
    g_viewZoom *= kClickZoom;
    return;
  }
  g_viewZoom *= screen::Min(static_cast<double>(w) / ax, static_cast<double>(h) / ay);
  // The rectangle's centre becomes the view centre, by the scale of the last paint.
  g_viewPanX -= (w / 2 - (x + g_mouseDownX) / 2) / g_viewScale;
  g_viewPanY -= (h / 2 - (y + g_mouseDownY) / 2) / g_viewScale;
}

void CloseCoordinateWindow(int x, int y, int w, int h) {
  ClientToWorld(x, y, w, h, g_coordWindow.xMax, g_coordWindow.yMax);
  if (g_coordWindow.xMin > g_coordWindow.xMax) std::swap(g_coordWindow.xMin, g_coordWindow.xMax);
  if (g_coordWindow.yMin > g_coordWindow.yMax) std::swap(g_coordWindow.yMin, g_coordWindow.yMax);
  g_store.ApplyFilterCriterion(kCritKoordinate, kFilterExtend, kFilterNotNegated);
}

}  // namespace

void ResetViewState() {
  g_viewZoom = g_viewScale = 1.0;
  g_viewCentreX = g_viewCentreY = g_viewPanX = g_viewPanY = 0;
  g_mouseButton = kMouseNone;
  g_mouseDownX = g_mouseDownY = 0;
}

double ViewMetresPerPixel() { return std::trunc(100000 / g_viewScale) * 0.00001; }
double ViewCentreShownX() { return std::trunc((g_viewCentreX + 0.0001) * 100) * 0.01; }
double ViewCentreShownY() { return std::trunc((g_viewCentreY + 0.0001) * 100) * 0.01; }

void ApplyViewScaleAndCentre(double metresPerPixel, double x, double y) {
  // The paint's scale is the fitted scale times the zoom, so dividing out the current scale and
  // the wanted metres per pixel gives exactly 1/m pixels per metre at the next paint.
  if (metresPerPixel > 0 && g_viewScale != 0) g_viewZoom = g_viewZoom / g_viewScale / metresPerPixel;
  g_viewPanX = g_viewPanX + (x - g_viewCentreX);
  g_viewPanY = g_viewPanY + (g_viewCentreY - y);
}

void ClientToWorld(int x, int y, int w, int h, double& worldX, double& worldY) {
  worldX = g_viewCentreX + (x - w / 2) / g_viewScale;
  worldY = g_viewCentreY - (y - h / 2) / g_viewScale;
}

std::string CursorPositionText(int x, int y, int w, int h) {
  double worldX = 0, worldY = 0;
  ClientToWorld(x, y, w, h, worldX, worldY);
  return Format("%12.3lf / %12.3lf", worldX, worldY);
}

void ViewMouseDown(int button, int x, int y, int w, int h) {
  g_mouseButton = button;
  g_mouseDownX = x;
  g_mouseDownY = y;
  if (button == kMouseMiddle) ClientToWorld(x, y, w, h, g_coordWindow.xMin, g_coordWindow.yMin);
}

void ViewMouseUp(int button, int x, int y, int w, int h) {
  g_mouseButton = kMouseNone;
  switch (button) {
    case kMouseLeft: ZoomByDrag(x, y, w, h); break;
    case kMouseRight:
      g_viewPanX += (g_mouseDownX - x) / g_viewScale;
      g_viewPanY += (g_mouseDownY - y) / g_viewScale;
      break;
    case kMouseMiddle: CloseCoordinateWindow(x, y, w, h); break;
    default: break;
  }
}

void ViewWheelZoom(double notches, int x, int y, int w, int h) {
  const double factor = std::pow(kWheelZoom, notches);
  const double before = g_viewScale;
  const double after = g_viewScale * factor;
  if (!(before > 0) || !(after > 0) || !std::isfinite(after)) return;
  // The world point under the cursor keeps its pixel: the centre moves towards it.
  const double shift = 1 / before - 1 / after;
  g_viewZoom *= factor;
  g_viewPanX += (x - w / 2) * shift;
  g_viewPanY += (y - h / 2) * shift;
  // As the next paint will compute them, so that further notches before it add up.
  g_viewCentreX += (x - w / 2) * shift;
  g_viewCentreY -= (y - h / 2) * shift;
  g_viewScale = after;
}
