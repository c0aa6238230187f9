// The expansion loop written out exactly as its rules read, with the next node chosen by scanning
// every listed node from firstOpen to lastNode. Slow, and kept only as the reference that the
// heap-based runPathSearch must match field for field (tests and benchmarks).
#pragma once
#include "units/search_workspace.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units::literal {

inline bool enterable(int code) { return code > 5 && code != 19 && code != 20 && code != 61; }

inline bool openGround(int code) { return code == 10 || code == 11 || code == 18 || code == 60; }

inline int selectByScan(SearchWorkspace& c) {
  c.bestCost = 2.0f * 256 * 256;
  c.bestNode = c.lastNode;
  for (int i = c.firstOpen; i <= c.lastNode; ++i) {
    if (c.nodeState[i] < 9 && c.bestCost >= c.nodeCost[i]) {
      c.bestCost = c.nodeCost[i];
      c.bestNode = i;
    }
  }
  for (int i = c.firstOpen; i <= c.lastNode; ++i) {
    if (c.nodeState[i] < 9) {
      c.firstOpen = i;
      break;
    }
  }
  return c.bestNode;
}

inline int runPathSearch(SearchWorkspace& c, const world::DungeonGrid& g, int budget) {
  if (c.searchReady == 0) return 5;
  const int limit = c.windowSize * c.windowSize - 9;
  if (c.startX == c.goalX && c.startY == c.goalY) {
    c.searchResult = static_cast<SearchCode>(3);
    return 4;
  }
  if (c.lastNode + budget >= limit) budget = limit - c.lastNode;
  auto code = [&](int x, int y) { return g.cellAt(x, y, c.searchLevel); };
  auto mark = [&](int x, int y) -> std::uint8_t& {
    return c.windowGrid[(y - c.windowY0) * c.windowSize + (x - c.windowX0)];
  };
  for (int k = 0; k < budget; ++k) {
    const int cx = c.nodeX[c.currentNode], cy = c.nodeY[c.currentNode];
    for (int d = 0; d < 8; ++d) {
      const int nx = cx + c.dirDX[d], ny = cy + c.dirDY[d];
      if (d % 2 == 1 && (!openGround(code(nx, cy)) || !openGround(code(cx, ny)))) continue;
      if (mark(nx, ny) != 0 || !enterable(code(nx, ny))) continue;
      const int n = ++c.lastNode;
      c.nodeX[n] = static_cast<std::int16_t>(nx);
      c.nodeY[n] = static_cast<std::int16_t>(ny);
      c.nodeParent[n] = static_cast<std::uint32_t>(c.currentNode);
      c.nodeState[n] = 0;
      float sum = c.nodeCost[c.currentNode] + 1.0f * c.dirCost[d];
      sum = sum + c.cellCostTable.cost[code(nx, ny)];
      c.nodeCost[n] = sum;
      mark(nx, ny) = 1;
    }
    c.nodeState[c.currentNode] = 9;
    mark(cx, cy) = 9;
    c.currentNode = selectByScan(c);
    if (c.nodeX[c.currentNode] == c.goalX && c.nodeY[c.currentNode] == c.goalY) {
      c.searchResult = static_cast<SearchCode>(1);
      c.goalNode = c.currentNode;
      return 1;
    }
  }
  return 0;
}

}  // namespace gloam::units::literal
