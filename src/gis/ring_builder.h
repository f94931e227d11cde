#pragma once
// Builds the polygons of one area object from its boundary lines: chains the lines into closed
// rings, splits rings at repeated vertices (a hole touching its outer ring, parts touching at a
// corner), and nests the rings by containment into valid polygons.

#include <vector>

#include "gis/gis_geometry.h"

namespace gis {

struct BoundaryLine {
  const Polyline* points = nullptr;
  // The object lies to the left of the line as its points run (the right when false).
  bool objectOnLeft = true;
};

struct RingBuildResult {
  MultiPolygon polygons;          // shells counter-clockwise, holes clockwise
  std::vector<Point2> openEnds;   // ends where the lines do not close; then no polygons
};

RingBuildResult BuildPolygons(const std::vector<BoundaryLine>& lines);

}  // namespace gis
