#include "views/view_state.h"

#include <cmath>

double g_viewZoom = 1.0;
double g_viewScale = 1.0;
double g_viewCentreX = 0;
double g_viewCentreY = 0;
double g_viewPanX = 0;
double g_viewPanY = 0;

void ResetViewState() {
  g_viewZoom = g_viewScale = 1.0;
  g_viewCentreX = g_viewCentreY = g_viewPanX = g_viewPanY = 0;
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
