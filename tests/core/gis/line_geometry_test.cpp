// The vertices of one line: arcs densified along the true arc in their sense, copies of a shared
// arc identical, other kinds through their points.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "gis/line_geometry.h"

using gis::Point2;
using gis::Polyline;

namespace {

const Point2 kCentre{5491020.0, 5654015.0};

double Distance(const Point2& a, const Point2& b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Largest distance of a chord's middle from the circle (the sagitta) and of a vertex from it.
double LargestDeviation(const Polyline& points, const Point2& centre, double r) {
  double worst = 0.0;
  for (std::size_t k = 0; k < points.size(); ++k) {
    worst = std::max(worst, std::abs(Distance(points[k], centre) - r));
    if (k + 1 < points.size()) {
      const Point2 mid{(points[k].x + points[k + 1].x) / 2, (points[k].y + points[k + 1].y) / 2};
      worst = std::max(worst, std::abs(Distance(mid, centre) - r));
    }
  }
  return worst;
}

// Sum of the turns seen from the centre, positive counter-clockwise.
double SweepAround(const Polyline& points, const Point2& centre) {
  double sweep = 0.0;
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    const double a0 = std::atan2(points[k].y - centre.y, points[k].x - centre.x);
    const double a1 = std::atan2(points[k + 1].y - centre.y, points[k + 1].x - centre.x);
    sweep += std::remainder(a1 - a0, 2 * M_PI);
  }
  return sweep;
}

}  // namespace

TEST(LineGeometry, ArcStaysWithinTheToleranceAndEndsExactly) {
  const Point2 start{kCentre.x - 20, kCentre.y - 15};  // radius 25
  const Point2 end{kCentre.x + 20, kCentre.y - 15};
  const Polyline arc = gis::LineVertices(start, end, "21", {kCentre});
  ASSERT_GT(arc.size(), 3u);
  EXPECT_EQ(arc.front(), start);
  EXPECT_EQ(arc.back(), end);
  EXPECT_LE(LargestDeviation(arc, kCentre, 25.0), gis::kArcTolerance);
  // Not more points than the tolerance needs: one more chord per segment would halve the error.
  EXPECT_GT(LargestDeviation(arc, kCentre, 25.0), gis::kArcTolerance / 4);
}

TEST(LineGeometry, Kind21RunsCounterClockwiseAnd22Clockwise) {
  const Point2 start{kCentre.x - 20, kCentre.y - 15};
  const Point2 end{kCentre.x + 20, kCentre.y - 15};
  // The short way below the centre counter-clockwise, the long way over the top clockwise.
  const Polyline ccw = gis::LineVertices(start, end, "21", {kCentre});
  const Polyline cw = gis::LineVertices(start, end, "22", {kCentre});
  EXPECT_NEAR(SweepAround(ccw, kCentre), 2 * std::atan2(20.0, 15.0), 1e-9);
  EXPECT_NEAR(SweepAround(cw, kCentre), -(2 * M_PI - 2 * std::atan2(20.0, 15.0)), 1e-9);
  EXPECT_TRUE(std::all_of(ccw.begin() + 1, ccw.end() - 1, [](const Point2& p) { return p.y < kCentre.y - 15; }));
  EXPECT_TRUE(std::any_of(cw.begin(), cw.end(), [](const Point2& p) { return p.y > kCentre.y + 24; }));
}

TEST(LineGeometry, CopyStoredTheOtherWayRoundGivesTheSamePoints) {
  const Point2 a{kCentre.x - 20, kCentre.y - 15};
  const Point2 b{kCentre.x + 20, kCentre.y - 15};
  Polyline back = gis::LineVertices(b, a, "22", {kCentre});
  std::reverse(back.begin(), back.end());
  EXPECT_EQ(gis::LineVertices(a, b, "21", {kCentre}), back);
}

TEST(LineGeometry, ShortArcIsNotCutShortToItsChord) {
  // A chord below 0.15 of the radius: still an arc, bulging by 0.125 m in the middle.
  const double r = 100.0;
  const Point2 centre{0, 0};
  const double half = std::asin(5.0 / r);
  const Point2 start{r * std::sin(-half), r * std::cos(half)};
  const Point2 end{r * std::sin(half), r * std::cos(half)};
  const Polyline arc = gis::LineVertices(end, start, "21", {centre});
  EXPECT_GT(arc.size(), 2u);
  EXPECT_LE(LargestDeviation(arc, centre, r), gis::kArcTolerance);
}

TEST(LineGeometry, ArcEndsOnDifferentRadiiMeetBothEnds) {
  const Point2 start{kCentre.x + 10.0, kCentre.y};
  const Point2 end{kCentre.x, kCentre.y + 10.02};
  const Polyline arc = gis::DensifyArc(start, end, kCentre, true);
  EXPECT_EQ(arc.back(), end);
  for (const Point2& p : arc) {
    const double r = Distance(p, kCentre);
    EXPECT_GE(r, 10.0 - 1e-9);
    EXPECT_LE(r, 10.02 + 1e-9);
  }
}

TEST(LineGeometry, CoincidingEndsGiveTheFullCircleAndACentreOnAnEndTheChord) {
  const Point2 p{kCentre.x + 3.0, kCentre.y};
  const Polyline circle = gis::DensifyArc(p, p, kCentre, true);
  EXPECT_GE(circle.size(), 8u);
  EXPECT_NEAR(SweepAround(circle, kCentre), 2 * M_PI, 1e-9);
  const Point2 q{kCentre.x, kCentre.y + 3.0};
  EXPECT_EQ(gis::DensifyArc(kCentre, q, kCentre, true), (Polyline{kCentre, q}));
}

// A centre typed kilometres off (or 10^15 m away, as garbage coordinates give) leaves the
// tolerance nothing against the radius: the arc still ends where it should, with a bounded count
// of points.
TEST(LineGeometry, AnArcAroundAFarCentreStaysBounded) {
  for (double r : {2.0e5, 1.0e15}) {
    SCOPED_TRACE(r);
    const Point2 p{kCentre.x + r, kCentre.y};
    const Polyline circle = gis::DensifyArc(p, p, kCentre, true);
    EXPECT_GE(circle.size(), 8u);
    EXPECT_LE(circle.size(), 4097u);
    EXPECT_EQ(circle.back(), p);
  }
}

TEST(LineGeometry, OtherKindsRunThroughTheirPointsInOrder) {
  const Point2 s{1, 1}, e{9, 1}, m1{3, 4}, m2{6, 5};
  EXPECT_EQ(gis::LineVertices(s, e, "11", {}), (Polyline{s, e}));
  EXPECT_EQ(gis::LineVertices(s, e, "15", {m1, m2}), (Polyline{s, m1, m2, e}));
  EXPECT_EQ(gis::LineVertices(s, e, "41", {m1, m2}), (Polyline{s, m1, m2, e}));
  // An arc without its centre point can only be taken as its chord.
  EXPECT_EQ(gis::LineVertices(s, e, "21", {}), (Polyline{s, e}));
}
