#include "gis/gis_geometry.h"

#include <cmath>

namespace gis {

double SignedArea(const Ring& ring) {
  // Shoelace formula relative to the first point, which keeps large Gauss-Krueger values exact.
  if (ring.size() < 4) return 0.0;
  const Point2 o = ring.front();
  double twice = 0.0;
  for (std::size_t k = 1; k + 1 < ring.size(); ++k) {
    const double x1 = ring[k].x - o.x, y1 = ring[k].y - o.y;
    const double x2 = ring[k + 1].x - o.x, y2 = ring[k + 1].y - o.y;
    twice += x1 * y2 - x2 * y1;
  }
  return twice / 2.0;
}

double Area(const Polygon& polygon) {
  double area = std::abs(SignedArea(polygon.shell));
  for (const Ring& hole : polygon.holes) area -= std::abs(SignedArea(hole));
  return area;
}

double Area(const MultiPolygon& polygons) {
  double area = 0.0;
  for (const Polygon& p : polygons) area += Area(p);
  return area;
}

RingSide LocatePoint(const Point2& p, const Ring& ring) {
  bool inside = false;
  for (std::size_t k = 0; k + 1 < ring.size(); ++k) {
    const Point2& a = ring[k];
    const Point2& b = ring[k + 1];
    // On the segment: collinear and within its box.
    const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    if (cross == 0.0 && std::fmin(a.x, b.x) <= p.x && p.x <= std::fmax(a.x, b.x) && std::fmin(a.y, b.y) <= p.y &&
        p.y <= std::fmax(a.y, b.y)) {
      return RingSide::OnBoundary;
    }
    if ((a.y > p.y) != (b.y > p.y)) {
      const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (p.x < x) inside = !inside;
    }
  }
  return inside ? RingSide::Inside : RingSide::Outside;
}

}  // namespace gis
