// Rings from boundary lines: closing, holes, parts, rings touching at a vertex, open ends.

#include <gtest/gtest.h>

#include "gis/ring_builder.h"

using gis::BoundaryLine;
using gis::Point2;
using gis::Polyline;

namespace {

// Lines of a closed ring through the corners, one line per side, the object on their left.
std::vector<Polyline> Sides(const std::vector<Point2>& corners) {
  std::vector<Polyline> sides;
  for (std::size_t k = 0; k < corners.size(); ++k) sides.push_back({corners[k], corners[(k + 1) % corners.size()]});
  return sides;
}

class Rings : public ::testing::Test {
 protected:
  void Add(const std::vector<Polyline>& sides, bool objectOnLeft) {
    for (const Polyline& s : sides) m_lines.push_back(s), m_left.push_back(objectOnLeft);
  }
  gis::RingBuildResult Build() {
    std::vector<BoundaryLine> boundary;
    for (std::size_t k = 0; k < m_lines.size(); ++k) boundary.push_back({&m_lines[k], m_left[k]});
    return gis::BuildPolygons(boundary);
  }

 private:
  std::vector<Polyline> m_lines;
  std::vector<bool> m_left;
};

}  // namespace

TEST_F(Rings, FourSidesMakeOneCounterClockwiseSquare) {
  Add(Sides({{0, 0}, {20, 0}, {20, 20}, {0, 20}}), false);  // the object on the right: stored clockwise
  const auto r = Build();
  ASSERT_TRUE(r.openEnds.empty());
  ASSERT_EQ(r.polygons.size(), 1u);
  EXPECT_TRUE(r.polygons[0].holes.empty());
  EXPECT_EQ(r.polygons[0].shell.size(), 5u);
  EXPECT_DOUBLE_EQ(gis::SignedArea(r.polygons[0].shell), 400.0);
}

TEST_F(Rings, InnerRingBecomesAClockwiseHole) {
  Add(Sides({{0, 0}, {30, 0}, {30, 30}, {0, 30}}), true);
  Add(Sides({{10, 10}, {20, 10}, {20, 20}, {10, 20}}), false);
  const auto r = Build();
  ASSERT_EQ(r.polygons.size(), 1u);
  ASSERT_EQ(r.polygons[0].holes.size(), 1u);
  EXPECT_DOUBLE_EQ(gis::SignedArea(r.polygons[0].holes[0]), -100.0);
  EXPECT_DOUBLE_EQ(gis::Area(r.polygons), 800.0);
}

TEST_F(Rings, HoleTouchingTheOuterRingAtAVertexStaysAHole) {
  Add(Sides({{0, 0}, {15, 0}, {30, 0}, {30, 30}, {0, 30}}), true);
  Add(Sides({{15, 0}, {20, 10}, {10, 10}}), false);
  const auto r = Build();
  ASSERT_EQ(r.polygons.size(), 1u);
  ASSERT_EQ(r.polygons[0].holes.size(), 1u);
  EXPECT_EQ(r.polygons[0].holes[0].size(), 4u);
  EXPECT_DOUBLE_EQ(gis::Area(r.polygons), 900.0 - 50.0);
}

TEST_F(Rings, SeparateAndCornerTouchingPartsBecomeSeveralPolygons) {
  Add(Sides({{0, 0}, {10, 0}, {10, 10}, {0, 10}}), true);
  Add(Sides({{10, 10}, {20, 10}, {20, 20}, {10, 20}}), true);
  Add(Sides({{40, 0}, {50, 0}, {50, 10}, {40, 10}}), true);
  const auto r = Build();
  ASSERT_EQ(r.polygons.size(), 3u);
  for (const auto& p : r.polygons) {
    EXPECT_EQ(p.shell.size(), 5u);
    EXPECT_TRUE(p.holes.empty());
  }
}

TEST_F(Rings, InnerRingTouchingAtFourPointsSplitsTheAreaIntoFourParts) {
  // A square whose inside diamond (not part of the object) touches the middle of every side:
  // four corner triangles, not one square with a hole that cuts it apart.
  Add(Sides({{0, 0}, {2, 0}, {4, 0}, {4, 2}, {4, 4}, {2, 4}, {0, 4}, {0, 2}}), true);
  Add(Sides({{2, 0}, {4, 2}, {2, 4}, {0, 2}}), false);
  const auto r = Build();
  ASSERT_EQ(r.polygons.size(), 4u);
  for (const auto& p : r.polygons) {
    EXPECT_TRUE(p.holes.empty());
    EXPECT_DOUBLE_EQ(gis::SignedArea(p.shell), 2.0);
  }
}

TEST_F(Rings, LineWithSeveralPointsAndAClosedLineFormRings) {
  Add({{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}}, true);
  Add({{{20, 0}, {30, 0}, {30, 10}}, {{30, 10}, {20, 0}}}, true);
  const auto r = Build();
  ASSERT_EQ(r.polygons.size(), 2u);
  EXPECT_DOUBLE_EQ(gis::Area(r.polygons), 150.0);
}

TEST_F(Rings, SidesThatDisagreeStillCloseTheRing) {
  // One side names the object on the wrong side: the ring is closed without the directions.
  auto sides = Sides({{0, 0}, {20, 0}, {20, 20}, {0, 20}});
  Add({sides[0], sides[1], sides[2]}, true);
  Add({sides[3]}, false);
  const auto r = Build();
  ASSERT_EQ(r.polygons.size(), 1u);
  EXPECT_DOUBLE_EQ(gis::SignedArea(r.polygons[0].shell), 400.0);
}

TEST_F(Rings, MissingSideLeavesTwoOpenEndsAndNoPolygon) {
  auto sides = Sides({{0, 0}, {20, 0}, {20, 20}, {0, 20}});
  sides.pop_back();
  Add(sides, true);
  const auto r = Build();
  EXPECT_TRUE(r.polygons.empty());
  EXPECT_EQ(r.openEnds, (std::vector<Point2>{{0, 0}, {0, 20}}));
}

TEST_F(Rings, LineWithoutLengthBoundsNothing) {
  Add(Sides({{0, 0}, {20, 0}, {20, 20}, {0, 20}}), true);
  Add({{{5, 5}, {5, 5}}}, true);
  const auto r = Build();
  ASSERT_EQ(r.polygons.size(), 1u);
  EXPECT_TRUE(r.openEnds.empty());
}
