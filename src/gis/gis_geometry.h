#pragma once
// Plain planar geometry of the GIS export, in metres: x is the Rechtswert (east), y the Hochwert
// (north). Free of GDAL, so that assembly and its tests need no GIS library.

#include <vector>

namespace gis {

struct Point2 {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const Point2&, const Point2&) = default;
};

// Lexicographic order (x first), used to orient lines the same way whatever their stored direction.
inline bool operator<(const Point2& a, const Point2& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); }

using Polyline = std::vector<Point2>;
// A closed ring: the last point repeats the first.
using Ring = std::vector<Point2>;

// Loose points, such as the open ends of an area whose rings do not close.
struct PointSet {
  std::vector<Point2> points;
};

struct Polygon {
  Ring shell;               // counter-clockwise
  std::vector<Ring> holes;  // clockwise
};
using MultiPolygon = std::vector<Polygon>;

// Signed area of a closed ring: positive when it runs counter-clockwise.
double SignedArea(const Ring& ring);
double Area(const Polygon& polygon);
double Area(const MultiPolygon& polygons);

enum class RingSide { Inside, Outside, OnBoundary };
// Where `p` lies with respect to the closed ring (even-odd rule).
RingSide LocatePoint(const Point2& p, const Ring& ring);

}  // namespace gis
