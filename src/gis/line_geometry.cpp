#include "gis/line_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "records/kind_texts.h"

namespace gis {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Even a tiny arc gets a few chords per quarter, so that it still looks round.
constexpr double kLargestStep = std::numbers::pi / 4.0;

// A radius of many kilometres (a mistyped centre) would ask for countless chords, or for a step
// of nothing once the tolerance vanishes against it; an arc gets at most this many.
constexpr int kMostChords = 4096;
constexpr double kSmallestStep = kTwoPi / kMostChords;

// The angle step whose chord stays within `tolerance` of a circle of radius r.
double AngleStep(double r, double tolerance) {
  if (tolerance >= r) return kLargestStep;
  const double step = 2.0 * std::acos(1.0 - tolerance / r);
  if (!(step > kSmallestStep)) return kSmallestStep;
  return std::min(kLargestStep, step);
}

// Sweep from angle a0 to a1 in the given sense, in (0, 2 pi]; 0 when there is nothing to sweep.
double Sweep(double a0, double a1, bool counterClockwise, bool fullCircle) {
  if (fullCircle) return kTwoPi;
  double d = counterClockwise ? a1 - a0 : a0 - a1;
  while (d < 0.0) d += kTwoPi;
  while (d > kTwoPi) d -= kTwoPi;
  return d;
}

}  // namespace

Polyline DensifyArc(const Point2& start, const Point2& end, const Point2& centre, bool counterClockwise,
                    double tolerance) {
  const double rs = std::hypot(start.x - centre.x, start.y - centre.y);
  const double re = std::hypot(end.x - centre.x, end.y - centre.y);
  if (rs == 0.0 || re == 0.0) return {start, end};
  const double a0 = std::atan2(start.y - centre.y, start.x - centre.x);
  const double a1 = std::atan2(end.y - centre.y, end.x - centre.x);
  const double sweep = Sweep(a0, a1, counterClockwise, start == end);
  if (sweep == 0.0) return {start, end};
  const double step = AngleStep(std::max(rs, re), tolerance);
  const int n = std::max(1, static_cast<int>(std::ceil(sweep / step)));
  const double sense = counterClockwise ? 1.0 : -1.0;
  Polyline points;
  points.reserve(static_cast<std::size_t>(n) + 1);
  points.push_back(start);
  for (int k = 1; k < n; ++k) {
    const double t = static_cast<double>(k) / n;
    const double a = a0 + sense * sweep * t;
    const double r = rs + (re - rs) * t;
    points.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
  }
  points.push_back(end);
  return points;
}

Polyline LineVertices(const Point2& start, const Point2& end, std::string_view geometryKind,
                      const std::vector<Point2>& supports) {
  const bool ccwArc = geometryKind == geometry_kind::kArcCentreRight;
  const bool cwArc = geometryKind == geometry_kind::kArcCentreLeft;
  if ((ccwArc || cwArc) && !supports.empty()) {
    // Densified always from the smaller end, so that the copy of a shared boundary stored the
    // other way round (the other kind of arc) yields exactly the same points.
    if (end < start) {
      Polyline reversed = DensifyArc(end, start, supports.front(), !ccwArc);
      std::reverse(reversed.begin(), reversed.end());
      return reversed;
    }
    return DensifyArc(start, end, supports.front(), ccwArc);
  }
  Polyline points;
  points.reserve(supports.size() + 2);
  points.push_back(start);
  points.insert(points.end(), supports.begin(), supports.end());
  points.push_back(end);
  return points;
}

}  // namespace gis
