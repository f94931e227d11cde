#pragma once
// Area objects from the lines that name them. Deliveries store each line once per neighbouring
// object, each copy naming one object on one side, and in either direction; the assembly merges
// the copies into one line that knows, per object, on which sides it lies. A line with the same
// object on both sides joins a hole to the outer ring or the parts of one parcel: it bounds
// nothing and stays out of the rings.

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "gis/edbs_source.h"
#include "gis/gis_geometry.h"

namespace gis {

struct AreaOutcome {
  enum class Status { Built, Open, NoLines };
  Status status = Status::NoLines;
  MultiPolygon polygons;         // when built
  std::vector<Point2> openEnds;  // when open
};

class AreaAssembly {
 public:
  explicit AreaAssembly(const std::vector<SourceLine>& lines);

  AreaOutcome Build(const std::string& objectNumber) const;

  // Lines after merging the copies.
  std::size_t DistinctLineCount() const { return m_lines.size(); }
  // Distinct lines that name one object on both sides.
  std::size_t InnerLineCount() const;

 private:
  enum Side : int { kRight = 1, kLeft = 2, kBothSides = 3 };
  struct MergedLine {
    Polyline points;                   // in one fixed direction for all copies
    std::map<std::string, int> sides;  // object number -> sides it lies on
  };

  void Add(const SourceLine& line);
  // The index of the merged line with these points, added when there is none yet.
  std::size_t IndexOf(Polyline points);

  std::vector<MergedLine> m_lines;
  // The merged lines by a hash of their points: an index keyed by the points themselves would
  // hold every line of a delivery a second time.
  std::unordered_multimap<std::uint64_t, std::size_t> m_lineIndex;
  std::unordered_map<std::string, std::vector<std::size_t>> m_linesOfObject;
};

}  // namespace gis
