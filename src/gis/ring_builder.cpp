#include "gis/ring_builder.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace gis {
namespace {

struct Edge {
  Polyline points;  // oriented with the object on its left
  int from = 0;
  int to = 0;
  bool used = false;
};

struct Graph {
  std::vector<Edge> edges;
  std::vector<Point2> nodes;
  std::vector<std::vector<int>> incident;  // per node: the edges that start or end there
  std::map<Point2, int> nodeIndex;

  int Node(const Point2& p) {
    const auto [it, added] = nodeIndex.try_emplace(p, static_cast<int>(nodes.size()));
    if (added) {
      nodes.push_back(p);
      incident.emplace_back();
    }
    return it->second;
  }
};

Polyline WithoutRepeats(const Polyline& points) {
  Polyline out;
  for (const Point2& p : points) {
    if (out.empty() || !(out.back() == p)) out.push_back(p);
  }
  return out;
}

Graph MakeGraph(const std::vector<BoundaryLine>& lines) {
  Graph g;
  for (const BoundaryLine& line : lines) {
    if (line.points == nullptr) continue;
    Edge e;
    e.points = WithoutRepeats(*line.points);
    if (e.points.size() < 2) continue;  // no length: bounds nothing
    if (!line.objectOnLeft) std::reverse(e.points.begin(), e.points.end());
    e.from = g.Node(e.points.front());
    e.to = g.Node(e.points.back());
    const int index = static_cast<int>(g.edges.size());
    g.incident[e.from].push_back(index);
    g.incident[e.to].push_back(index);
    g.edges.push_back(std::move(e));
  }
  return g;
}

// Nodes where an odd number of line ends meet: there the rings stay open.
std::vector<Point2> OpenEnds(const Graph& g) {
  std::vector<Point2> ends;
  for (std::size_t n = 0; n < g.nodes.size(); ++n) {
    if (g.incident[n].size() % 2 != 0) ends.push_back(g.nodes[n]);
  }
  return ends;
}

// True when every node has as many lines arriving as leaving, so the sides of the lines agree.
bool SidesAgree(const Graph& g) {
  std::vector<int> balance(g.nodes.size(), 0);
  for (const Edge& e : g.edges) {
    ++balance[e.from];
    --balance[e.to];
  }
  return std::all_of(balance.begin(), balance.end(), [](int b) { return b == 0; });
}

// Turn from direction (ax, ay) to (bx, by), in (-pi, pi], positive to the left.
double Turn(double ax, double ay, double bx, double by) { return std::atan2(ax * by - ay * bx, ax * bx + ay * by); }

// Appends the unused edge at `node` that turns furthest to the left, walked away from `node`;
// returns the node it ends at, or -1 when no unused edge is left there. Keeping left traces the
// smallest ring around the object, so that rings touching at a vertex are kept apart.
int Continue(Graph& g, int node, bool directed, Polyline& walk) {
  const Point2& here = walk.back();
  const Point2& before = walk[walk.size() - 2];
  int best = -1;
  bool bestForward = true;
  double bestTurn = -10.0;
  for (int index : g.incident[node]) {
    const Edge& e = g.edges[index];
    if (e.used) continue;
    for (const bool forward : {true, false}) {
      if ((forward ? e.from : e.to) != node || (directed && !forward)) continue;
      const Point2& next = forward ? e.points[1] : e.points[e.points.size() - 2];
      const double turn = Turn(here.x - before.x, here.y - before.y, next.x - here.x, next.y - here.y);
      if (turn > bestTurn) {
        bestTurn = turn;
        best = index;
        bestForward = forward;
      }
    }
  }
  if (best < 0) return -1;
  Edge& e = g.edges[best];
  e.used = true;
  if (bestForward) {
    walk.insert(walk.end(), e.points.begin() + 1, e.points.end());
    return e.to;
  }
  walk.insert(walk.end(), e.points.rbegin() + 1, e.points.rend());
  return e.from;
}

// Closed walks through all edges; every walk returns to its start because all degrees are even.
std::vector<Polyline> Walks(Graph& g, bool directed) {
  std::vector<Polyline> walks;
  for (Edge& first : g.edges) {
    if (first.used) continue;
    first.used = true;
    Polyline walk = first.points;
    int node = first.to;
    while (node >= 0) node = Continue(g, node, directed, walk);
    walks.push_back(std::move(walk));
  }
  return walks;
}

// Cuts a closed walk into rings without repeated vertices.
void SplitAtRepeatedVertices(const Polyline& walk, std::vector<Ring>& rings) {
  Polyline stack;
  std::map<Point2, std::size_t> position;
  for (const Point2& v : walk) {
    const auto it = position.find(v);
    if (it == position.end()) {
      position.emplace(v, stack.size());
      stack.push_back(v);
      continue;
    }
    const std::size_t k = it->second;
    Ring ring(stack.begin() + static_cast<std::ptrdiff_t>(k), stack.end());
    ring.push_back(v);
    for (std::size_t j = k + 1; j < stack.size(); ++j) position.erase(stack[j]);
    stack.resize(k + 1);
    if (ring.size() >= 4 && SignedArea(ring) != 0.0) rings.push_back(std::move(ring));
  }
}

// Whether ring `inner` lies inside ring `outer`, judged by its first vertex (or edge midpoint)
// that is not on the outer ring.
bool Inside(const Ring& inner, const Ring& outer) {
  for (std::size_t k = 0; k + 1 < inner.size(); ++k) {
    const RingSide side = LocatePoint(inner[k], outer);
    if (side != RingSide::OnBoundary) return side == RingSide::Inside;
  }
  for (std::size_t k = 0; k + 1 < inner.size(); ++k) {
    const Point2 mid{(inner[k].x + inner[k + 1].x) / 2.0, (inner[k].y + inner[k + 1].y) / 2.0};
    const RingSide side = LocatePoint(mid, outer);
    if (side != RingSide::OnBoundary) return side == RingSide::Inside;
  }
  return false;
}

void Orient(Ring& ring, bool counterClockwise) {
  if ((SignedArea(ring) > 0.0) != counterClockwise) std::reverse(ring.begin(), ring.end());
}

// Rings at an even depth of containment are outer rings, the others holes of their nearest
// container.
MultiPolygon Nest(std::vector<Ring> rings) {
  std::sort(rings.begin(), rings.end(),
            [](const Ring& a, const Ring& b) { return std::abs(SignedArea(a)) > std::abs(SignedArea(b)); });
  const std::size_t n = rings.size();
  std::vector<int> depth(n, 0), parent(n, -1), polygonOf(n, -1);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (!Inside(rings[i], rings[j])) continue;
      ++depth[i];
      parent[i] = static_cast<int>(j);  // larger rings come first, so the last is the nearest
    }
  }
  MultiPolygon polygons;
  for (std::size_t i = 0; i < n; ++i) {
    // A hole needs an outer ring around it; rings that overlap instead of nesting stay outer rings.
    const bool hole = depth[i] % 2 != 0 && polygonOf[static_cast<std::size_t>(parent[i])] >= 0;
    if (!hole) {
      Orient(rings[i], true);
      polygonOf[i] = static_cast<int>(polygons.size());
      polygons.push_back({std::move(rings[i]), {}});
    } else {
      Orient(rings[i], false);
      polygons[static_cast<std::size_t>(polygonOf[static_cast<std::size_t>(parent[i])])].holes.push_back(
          std::move(rings[i]));
    }
  }
  return polygons;
}

}  // namespace

RingBuildResult BuildPolygons(const std::vector<BoundaryLine>& lines) {
  RingBuildResult result;
  Graph g = MakeGraph(lines);
  result.openEnds = OpenEnds(g);
  if (!result.openEnds.empty()) return result;
  std::vector<Ring> rings;
  for (const Polyline& walk : Walks(g, SidesAgree(g))) SplitAtRepeatedVertices(walk, rings);
  result.polygons = Nest(std::move(rings));
  return result;
}

}  // namespace gis
