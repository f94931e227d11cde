#pragma once
// The graphic view's transform state, shared by the view, the loader and the options dialog.

extern double g_viewZoom;
extern double g_viewScale;
extern double g_viewCentreX;
extern double g_viewCentreY;
extern double g_viewPanX;
extern double g_viewPanY;

void ResetViewState();

// Values shown by the options dialog: metres per pixel cut to five decimals, the centre cut to two.
double ViewMetresPerPixel();
double ViewCentreShownX();
double ViewCentreShownY();
// Sets zoom and pan so that the next paint shows 1/metresPerPixel pixels per metre, centred on (x, y).
void ApplyViewScaleAndCentre(double metresPerPixel, double x, double y);
