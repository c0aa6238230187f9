// Puts settlements and other sites on the sample overworld and joins them with roads. Sites go
// where they make sense (mines by the mountains, wells by villages); roads follow the cheapest ground.
#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

#include "core/constants.hpp"
#include "makeart/overworld_map.hpp"
#include "world/cell_codes.hpp"

namespace gloam::makeart {
namespace {

enum class Ground { Lowland, Upland, Wild, BesideVillage };

struct SiteKind {
  cell::Code code;
  int count;
  Ground ground;
  int spacing;  // least distance to any site placed before
  bool onRoad;  // joined to the road network
};

// Placement order matters only for determinism; villages come first so wells can find them.
constexpr SiteKind SiteKinds[] = {
    {cell::VillageB, 4, Ground::Lowland, 18, true},     {cell::VillageBYellow, 3, Ground::Lowland, 18, true},
    {cell::VillageBBlue, 3, Ground::Lowland, 18, true}, {cell::VillageBGreen, 3, Ground::Lowland, 18, true},
    {cell::VillageBRed, 3, Ground::Lowland, 18, true},  {cell::Castle, 3, Ground::Lowland, 30, true},
    {cell::Mine, 3, Ground::Upland, 14, true},          {cell::IronMine, 3, Ground::Upland, 14, true},
    {cell::Grotto, 4, Ground::Upland, 14, false},       {cell::Ruin, 6, Ground::Wild, 14, false},
    {cell::Well, 10, Ground::BesideVillage, 4, false},
};

struct Site {
  int x, y;
  cell::Code code;
  bool onRoad;
};

std::size_t index(int x, int y) { return static_cast<std::size_t>(y) * GridSide + x; }

bool isMountain(cell::Code c) { return c == cell::LandMountain || c == cell::LandMountainHigh; }
bool isVillage(cell::Code c) { return c >= cell::VillageB && c <= cell::VillageBRed; }
bool isForest(cell::Code c) {
  return c == cell::LandForest || c == cell::LandForestFruit || c == cell::LandForestGray ||
         c == cell::LandForestLeaf || c == cell::LandForestB || c == cell::LandForestC || c == cell::LandForestLeafB;
}

bool anyWithin(const OverworldCells& cells, int x, int y, int r, bool (*test)(cell::Code)) {
  for (int j = std::max(0, y - r); j <= std::min(GridSide - 1, y + r); ++j)
    for (int i = std::max(0, x - r); i <= std::min(GridSide - 1, x + r); ++i)
      if (test(cells[index(i, j)])) return true;
  return false;
}

bool fits(const OverworldCells& cells, int x, int y, Ground ground) {
  const cell::Code here = cells[index(x, y)];
  switch (ground) {
    case Ground::Lowland: return here == cell::LandPlain;
    case Ground::Upland: return here == cell::LandHills && anyWithin(cells, x, y, 2, isMountain);
    case Ground::Wild: return isForest(here) || here == cell::LandDesert || here == cell::LandSwamp;
    case Ground::BesideVillage: return here == cell::LandPlain && anyWithin(cells, x, y, 5, isVillage);
  }
  return false;
}

void placeSites(OverworldCells& cells, Rng& rng, std::vector<Site>& sites) {
  constexpr int Margin = 8, Attempts = 6000;
  for (const SiteKind& kind : SiteKinds) {
    int placed = 0;
    for (int attempt = 0; attempt < Attempts && placed < kind.count; ++attempt) {
      const int x = Margin + rng.below(GridSide - 2 * Margin), y = Margin + rng.below(GridSide - 2 * Margin);
      if (!fits(cells, x, y, kind.ground)) continue;
      const bool crowded = std::any_of(sites.begin(), sites.end(),
                                       [&](const Site& s) { return std::hypot(s.x - x, s.y - y) < kind.spacing; });
      if (crowded) continue;
      cells[index(x, y)] = kind.code;
      sites.push_back({x, y, kind.code, kind.onRoad});
      ++placed;
    }
  }
}

// Cost of laying road over a cell; roads prefer open ground and reuse road already laid.
double roadCost(cell::Code c) {
  constexpr double Blocked = std::numeric_limits<double>::infinity();
  if (c == cell::LandRoad) return 1;
  if (c == cell::LandPlain) return 2;
  if (c == cell::LandDesert) return 3;
  if (isForest(c)) return 4;
  if (c == cell::LandHills) return 5;
  if (c == cell::LandSwamp) return 8;
  if (c == cell::LandMountain) return 20;
  if (c == cell::LandWater) return 25;  // a bridge or ford
  return Blocked;                       // deep water, high peaks and other sites
}

// Cheapest 4-connected route from `from` to `to`; empty when there is none.
std::vector<std::size_t> route(const OverworldCells& cells, const std::vector<double>& roughness, const Site& from,
                               const Site& to) {
  std::vector<double> dist(LevelSize, std::numeric_limits<double>::infinity());
  std::vector<std::size_t> prev(LevelSize, LevelSize);
  using Node = std::pair<double, std::size_t>;
  std::priority_queue<Node, std::vector<Node>, std::greater<>> open;
  const std::size_t start = index(from.x, from.y), goal = index(to.x, to.y);
  dist[start] = 0;
  open.push({0, start});
  while (!open.empty()) {
    const auto [d, at] = open.top();
    open.pop();
    if (at == goal) break;
    if (d > dist[at]) continue;
    const int x = static_cast<int>(at % GridSide), y = static_cast<int>(at / GridSide);
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int nx = x + dx, ny = y + dy;
      if (nx < 0 || ny < 0 || nx >= GridSide || ny >= GridSide) continue;
      const std::size_t next = index(nx, ny);
      const double step = next == goal ? 1 : roadCost(cells[next]) + roughness[next];
      if (d + step < dist[next]) {
        dist[next] = d + step;
        prev[next] = at;
        open.push({dist[next], next});
      }
    }
  }
  std::vector<std::size_t> path;
  if (prev[goal] == LevelSize) return path;
  for (std::size_t at = prev[goal]; at != start; at = prev[at]) path.push_back(at);
  return path;
}

void layRoad(OverworldCells& cells, const std::vector<double>& roughness, const Site& from, const Site& to) {
  for (std::size_t at : route(cells, roughness, from, to)) cells[at] = cell::LandRoad;
}

// Joins the road sites as a minimum spanning tree over straight-line distance (Prim's order).
// A little random roughness per cell makes the roads wander instead of running in straight lines.
void joinWithRoads(OverworldCells& cells, const std::vector<Site>& sites, Rng& rng) {
  std::vector<double> roughness(LevelSize);
  for (double& r : roughness) r = rng.below(301) / 100.0;
  std::vector<Site> network;
  for (const Site& s : sites)
    if (s.onRoad) network.push_back(s);
  if (network.empty()) return;
  std::vector<bool> joined(network.size(), false);
  joined[0] = true;
  for (std::size_t round = 1; round < network.size(); ++round) {
    double best = std::numeric_limits<double>::infinity();
    std::size_t a = 0, b = 0;
    for (std::size_t i = 0; i < network.size(); ++i)
      for (std::size_t j = 0; j < network.size(); ++j)
        if (joined[i] && !joined[j]) {
          const double d = std::hypot(network[i].x - network[j].x, network[i].y - network[j].y);
          if (d < best) best = d, a = i, b = j;
        }
    joined[b] = true;
    layRoad(cells, roughness, network[a], network[b]);
  }
}

}  // namespace

void placeSitesAndRoads(OverworldCells& cells, Rng& rng) {
  std::vector<Site> sites;
  placeSites(cells, rng, sites);
  joinWithRoads(cells, sites, rng);
}

}  // namespace gloam::makeart
