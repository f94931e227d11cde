#pragma once
// The vertices of one EDBS line: straight lines, polylines and splines through their points, and
// circular arcs densified along the true arc.

#include <string_view>
#include <vector>

#include "gis/gis_geometry.h"

namespace gis {

// Largest distance between a chord of a densified arc and the true arc, in metres.
inline constexpr double kArcTolerance = 0.05;

// Points of the arc from `start` to `end` around `centre`, counter-clockwise (east right, north
// up) or clockwise. The first and last point are `start` and `end` exactly; the radius changes
// evenly from the start radius to the end radius. Coinciding start and end give the full circle;
// a centre on an end point gives the straight line.
Polyline DensifyArc(const Point2& start, const Point2& end, const Point2& centre, bool counterClockwise,
                    double tolerance = kArcTolerance);

// The vertices of a line from `start` to `end` of the given kind of geometry. `supports` are the
// line's support points in order (spline kind markers left out). Arcs (21 counter-clockwise, 22
// clockwise) take the first support point as their centre; every other kind runs through its
// points in order. A line and its copy stored the other way round give the same points reversed.
Polyline LineVertices(const Point2& start, const Point2& end, std::string_view geometryKind,
                      const std::vector<Point2>& supports);

}  // namespace gis
