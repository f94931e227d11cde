// Area objects from stored line copies: merging, sides, lines inside an object.

#include <gtest/gtest.h>

#include "gis/area_assembly.h"

using gis::AreaOutcome;
using gis::LineFunction;
using gis::Point2;
using gis::SourceLine;

namespace {

SourceLine Copy(Point2 a, Point2 b, const std::string& right, const std::string& left) {
  SourceLine line;
  line.vertices = {a, b};
  line.functions.push_back(LineFunction{"001", "2301", right, left});
  return line;
}

// The four sides of a square, each stored once per given neighbour as the deliveries do.
std::vector<SourceLine> Square(Point2 o, double size, const std::string& inside) {
  const Point2 c[] = {o, {o.x + size, o.y}, {o.x + size, o.y + size}, {o.x, o.y + size}};
  std::vector<SourceLine> lines;
  for (int k = 0; k < 4; ++k) lines.push_back(Copy(c[k], c[(k + 1) % 4], "", inside));
  return lines;
}

}  // namespace

TEST(AreaAssembly, CopiesOfALineBecomeOneWhicheverWayTheyRun) {
  std::vector<SourceLine> lines = Square({0, 0}, 10, "A");
  const auto right = Square({10, 0}, 10, "B");
  lines.insert(lines.end(), right.begin(), right.end());
  // The shared side: (10,0)-(10,10) for A, (10,10)-(10,0) for B.
  const gis::AreaAssembly assembly(lines);
  EXPECT_EQ(assembly.DistinctLineCount(), 7u);
  EXPECT_EQ(assembly.Build("A").status, AreaOutcome::Status::Built);
  EXPECT_EQ(assembly.Build("B").status, AreaOutcome::Status::Built);
  EXPECT_DOUBLE_EQ(gis::Area(assembly.Build("B").polygons), 100.0);
  // A coordinate written as -0 is the same as 0.
  std::vector<SourceLine> signedZero = Square({0, 0}, 10, "A");
  signedZero.push_back(Copy({10, 10}, {-0.0, 10}, "C", ""));
  EXPECT_EQ(gis::AreaAssembly(signedZero).DistinctLineCount(), 4u);
}

TEST(AreaAssembly, LineWithOneObjectOnBothSidesIsNoBoundary) {
  std::vector<SourceLine> lines = Square({0, 0}, 10, "A");
  lines.push_back(Copy({0, 0}, {5, 5}, "A", "A"));  // one function, both sides
  lines.push_back(Copy({10, 10}, {5, 5}, "", "A"));  // two copies, one per side
  lines.push_back(Copy({10, 10}, {5, 5}, "A", ""));
  const gis::AreaAssembly assembly(lines);
  EXPECT_EQ(assembly.InnerLineCount(), 2u);
  const AreaOutcome outcome = assembly.Build("A");
  ASSERT_EQ(outcome.status, AreaOutcome::Status::Built);
  EXPECT_EQ(outcome.polygons[0].shell.size(), 5u);
}

TEST(AreaAssembly, CopiesRunningOppositeWaysNamingOppositeSidesMeanTheSameSide) {
  std::vector<SourceLine> lines = Square({0, 0}, 10, "A");
  SourceLine back = lines[0];
  std::swap(back.vertices[0], back.vertices[1]);
  back.functions[0] = LineFunction{"001", "2301", "A", ""};
  lines.push_back(back);
  const gis::AreaAssembly assembly(lines);
  EXPECT_EQ(assembly.InnerLineCount(), 0u);
  EXPECT_EQ(assembly.Build("A").status, AreaOutcome::Status::Built);
}

TEST(AreaAssembly, ObjectWithoutLinesAndBlankNumbersBuildNothing) {
  const gis::AreaAssembly assembly(Square({0, 0}, 10, "A"));
  EXPECT_EQ(assembly.Build("Z").status, AreaOutcome::Status::NoLines);
  EXPECT_EQ(assembly.Build("").status, AreaOutcome::Status::NoLines);
}

TEST(AreaAssembly, OpenRingReportsItsEnds) {
  std::vector<SourceLine> lines = Square({0, 0}, 10, "A");
  lines.erase(lines.begin() + 1);
  const AreaOutcome outcome = gis::AreaAssembly(lines).Build("A");
  EXPECT_EQ(outcome.status, AreaOutcome::Status::Open);
  EXPECT_EQ(outcome.openEnds, (std::vector<Point2>{{10, 0}, {10, 10}}));
}
