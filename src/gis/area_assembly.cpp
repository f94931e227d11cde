#include "gis/area_assembly.h"

#include <algorithm>
#include <bit>

#include "gis/ring_builder.h"

namespace gis {
namespace {

// Whether the line runs against the fixed direction that all its copies are stored in.
bool RunsBackwards(const Polyline& points) {
  if (points.back() < points.front()) return true;
  if (!(points.back() == points.front())) return false;
  return std::lexicographical_compare(points.rbegin(), points.rend(), points.begin(), points.end());
}

// FNV-1a over the coordinates' bits; 0.0 and -0.0 are one coordinate, as they compare equal.
std::uint64_t HashOf(const Polyline& points) {
  std::uint64_t h = 14695981039346656037ull;
  for (const Point2& p : points) {
    for (const double v : {p.x, p.y}) h = (h ^ (v == 0.0 ? 0 : std::bit_cast<std::uint64_t>(v))) * 1099511628211ull;
  }
  return h;
}

}  // namespace

std::size_t AreaAssembly::IndexOf(Polyline points) {
  const std::uint64_t h = HashOf(points);
  const auto [from, to] = m_lineIndex.equal_range(h);
  for (auto it = from; it != to; ++it) {
    if (m_lines[it->second].points == points) return it->second;
  }
  m_lineIndex.emplace(h, m_lines.size());
  m_lines.push_back({std::move(points), {}});
  return m_lines.size() - 1;
}

AreaAssembly::AreaAssembly(const std::vector<SourceLine>& lines) {
  for (const SourceLine& line : lines) Add(line);
}

void AreaAssembly::Add(const SourceLine& line) {
  if (line.vertices.size() < 2) return;
  const bool backwards = RunsBackwards(line.vertices);
  Polyline points = line.vertices;
  if (backwards) std::reverse(points.begin(), points.end());
  const std::size_t index = IndexOf(std::move(points));
  MergedLine& merged = m_lines[index];
  auto note = [&](const std::string& object, Side side) {
    if (object.empty()) return;
    auto [entry, first] = merged.sides.try_emplace(object, 0);
    if (first) m_linesOfObject[object].push_back(index);
    entry->second |= side;
  };
  for (const LineFunction& f : line.functions) {
    note(f.objectRight, backwards ? kLeft : kRight);
    note(f.objectLeft, backwards ? kRight : kLeft);
  }
}

std::size_t AreaAssembly::InnerLineCount() const {
  return static_cast<std::size_t>(std::count_if(m_lines.begin(), m_lines.end(), [](const MergedLine& line) {
    return std::any_of(line.sides.begin(), line.sides.end(), [](const auto& s) { return s.second == kBothSides; });
  }));
}

AreaOutcome AreaAssembly::Build(const std::string& objectNumber) const {
  AreaOutcome outcome;
  const auto found = m_linesOfObject.find(objectNumber);
  if (objectNumber.empty() || found == m_linesOfObject.end()) return outcome;
  std::vector<BoundaryLine> boundary;
  for (const std::size_t index : found->second) {
    const MergedLine& line = m_lines[index];
    const int sides = line.sides.at(objectNumber);
    if (sides == kBothSides) continue;
    boundary.push_back({&line.points, sides == kLeft});
  }
  if (boundary.empty()) return outcome;
  RingBuildResult rings = BuildPolygons(boundary);
  if (!rings.openEnds.empty()) {
    outcome.status = AreaOutcome::Status::Open;
    outcome.openEnds = std::move(rings.openEnds);
  } else {
    outcome.status = rings.polygons.empty() ? AreaOutcome::Status::NoLines : AreaOutcome::Status::Built;
    outcome.polygons = std::move(rings.polygons);
  }
  return outcome;
}

}  // namespace gis
