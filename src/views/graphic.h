#pragma once
// The plan graphic: all line and text geometry of the records fitted to the client area, with
// the coordinate grid and its labels, the filter set in red on top, or a pushpin where the data
// has no extent to speak of. One call draws what one paint of the window shows.

namespace edbs {
class Canvas;
}

// The world rectangle spanned by the points of the records the graphic shows.
struct GraphicExtent {
  double xMin = 9999999.999;
  double yMin = 9999999.999;
  double xMax = -9999999.999;
  double yMax = -9999999.999;
};

// The extent over the FEIN and BSPE records that qualify under g_graphicMode (only the filter
// set in mode 0); it stays at its start values when no point qualifies.
GraphicExtent ComputeGraphicExtent();

// The grid spacing in metres for about one line per 100 pixels of a client area w pixels wide at
// `scale` pixels per metre: the first value of the 1-2-5 series above that; the largest value
// of the series when the area is narrower than 100 pixels or no value is large enough.
double AutomaticGridSpacing(int w, double scale);

// Draws the graphic for the client size of `dc`: sets g_viewCentreX/Y and g_viewScale from the
// extent, zoom and pan, stores an automatic grid spacing into the settings and shows the wait
// cursor meanwhile. An empty store draws nothing.
void DrawGraphic(edbs::Canvas& dc);

