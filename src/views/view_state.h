#pragma once
// The graphic view's transform state, shared by the view, the loader and the options dialog, and
// what the mouse does to it.

#include <string>

extern double g_viewZoom;
extern double g_viewScale;
extern double g_viewCentreX;
extern double g_viewCentreY;
extern double g_viewPanX;
extern double g_viewPanY;

// Draws with a scale of its own (the detail dialog's record graphic) and gives the graphic's scale
// back afterwards: DrawRecordGeometry reads g_viewScale.
class ScopedViewScale {
 public:
  explicit ScopedViewScale(double scale) : m_saved(g_viewScale) { g_viewScale = scale; }
  ~ScopedViewScale() { g_viewScale = m_saved; }
  ScopedViewScale(const ScopedViewScale&) = delete;
  ScopedViewScale& operator=(const ScopedViewScale&) = delete;

 private:
  double m_saved;
};

// Zoom, scale, centre, pan and the mouse back to program start.
void ResetViewState();

// Values shown by the options dialog: metres per pixel cut to five decimals, the centre cut to two.
double ViewMetresPerPixel();
double ViewCentreShownX();
double ViewCentreShownY();
// Sets zoom and pan so that the next paint shows 1/metresPerPixel pixels per metre, centred on (x, y).
void ApplyViewScaleAndCentre(double metresPerPixel, double x, double y);

// The mouse on the graphic: which button is held and where it went down (client pixels).
enum MouseButtonCode : int { kMouseNone = 0, kMouseLeft = 1, kMouseRight = 2, kMouseMiddle = 3 };
extern int g_mouseButton;
extern int g_mouseDownX;
extern int g_mouseDownY;

// The world point under client pixel (x, y) of a client area w x h, by the last paint's centre
// and scale.
void ClientToWorld(int x, int y, int w, int h, double& worldX, double& worldY);
// The status bar's readout of the world point under client pixel (x, y).
std::string CursorPositionText(int x, int y, int w, int h);

// A button goes down at client pixel (x, y); the middle button starts the coordinate window there.
void ViewMouseDown(int button, int x, int y, int w, int h);
// The button goes up at (x, y): the left one zooms out by four on a click and into the dragged
// rectangle otherwise, the right one pans by the drag, the middle one closes the coordinate
// window and adds the records within it to the filter set. The view repaints afterwards.
void ViewMouseUp(int button, int x, int y, int w, int h);
// Zooms by 1.25 per notch of the wheel (negative notches zoom out) so that the world point under
// (x, y) stays where it is.
void ViewWheelZoom(double notches, int x, int y, int w, int h);
