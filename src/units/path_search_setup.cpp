// beginPathSearch: places the search window on the level, clamps start and goal into it, clears
// the workspace, marks the border and the cells of the first ten units, and lists the start node.
#include "units/path_search_setup.hpp"

#include <algorithm>
#include <cstring>

#include "units/direction_table.hpp"
#include "units/open_node_selection.hpp"

namespace gloam::units {

namespace {

constexpr int MinWindowSize = 3;  // the smallest window with an interior cell

int clampInto(int value, int low, int high) { return std::min(std::max(value, low), high); }

std::uint8_t& windowCell(SearchWorkspace& ws, int column, int row) {
  return ws.windowGrid[(row - ws.windowY0) * ws.windowSize + (column - ws.windowX0)];
}

bool insideBorder(const SearchWorkspace& ws, int column, int row) {
  const int wx = column - ws.windowX0;
  const int wy = row - ws.windowY0;
  return wx > 0 && wx < ws.windowSize - 1 && wy > 0 && wy < ws.windowSize - 1;
}

world::GridPoint clampIntoGrid(world::GridPoint p) {
  return {clampInto(p.x, 0, GridSide - 1), clampInto(p.y, 0, GridSide - 1)};
}

void placeWindow(SearchWorkspace& ws, world::GridPoint start, int windowSize) {
  ws.windowSize = windowSize;
  ws.windowX0 = std::min(std::max(start.x - windowSize / 2, 0), GridSide - windowSize);
  ws.windowY0 = std::min(std::max(start.y - windowSize / 2, 0), GridSide - windowSize);
}

// Start and goal keep off the border: border cells never receive a node.
void clampEndsIntoInterior(SearchWorkspace& ws, world::GridPoint start, world::GridPoint goal) {
  const int lowX = ws.windowX0 + 1, highX = ws.windowX0 + ws.windowSize - 2;
  const int lowY = ws.windowY0 + 1, highY = ws.windowY0 + ws.windowSize - 2;
  ws.startX = clampInto(start.x, lowX, highX);
  ws.startY = clampInto(start.y, lowY, highY);
  ws.goalX = clampInto(goal.x, lowX, highX);
  ws.goalY = clampInto(goal.y, lowY, highY);
}

void resetWorkspace(SearchWorkspace& ws) {
  const std::size_t n = static_cast<std::size_t>(ws.windowSize) * ws.windowSize;
  std::memset(ws.nodeX.get(), 0, n * sizeof(ws.nodeX[0]));
  std::memset(ws.nodeY.get(), 0, n * sizeof(ws.nodeY[0]));
  std::memset(ws.nodeParent.get(), 0, n * sizeof(ws.nodeParent[0]));
  std::memset(ws.nodeState.get(), NodeOpen, n * sizeof(ws.nodeState[0]));
  std::fill_n(ws.nodeCost.get(), n, 0.0f);
  std::memset(ws.windowGrid.get(), WindowFree, n);
}

void markBorder(SearchWorkspace& ws) {
  const auto side = static_cast<std::size_t>(ws.windowSize);
  const std::size_t last = side - 1;
  for (std::size_t i = 0; i < side; ++i) {
    ws.windowGrid[i] = WindowListed;                // first row
    ws.windowGrid[last * side + i] = WindowListed;  // last row
    ws.windowGrid[i * side] = WindowListed;         // first column
    ws.windowGrid[i * side + last] = WindowListed;  // last column
  }
}

void markUnitObstacles(SearchWorkspace& ws, const UnitTable& units) {
  for (int u = 0; u < ObstacleUnitCount; ++u) {
    const UnitRecord& r = units[u];
    if (r.inUse != 1 || r.unitKind == 0 || r.blocksPaths != 1 || r.level != ws.searchLevel) continue;
    if (insideBorder(ws, r.cellX, r.cellY)) windowCell(ws, r.cellX, r.cellY) = WindowOccupied;
    if (r.moving == 1 && insideBorder(ws, r.nextX, r.nextY)) windowCell(ws, r.nextX, r.nextY) = WindowReserved;
  }
}

void listStartNode(SearchWorkspace& ws) {
  ws.nodeX[0] = static_cast<std::int16_t>(ws.startX);
  ws.nodeY[0] = static_cast<std::int16_t>(ws.startY);
  ws.nodeParent[0] = 0;
  ws.nodeState[0] = NodeOpen;
  ws.nodeCost[0] = 1.0f;
  ws.currentNode = 0;
  ws.lastNode = 0;
  ws.firstOpen = 0;
  ws.bestCost = 0.0f;
  ws.searchResult = SearchCode::NotFound;
  ws.searchReady = 1;
  resetOpenNodes(ws);
}

}  // namespace

void beginPathSearch(SearchWorkspace& ws, const UnitTable& units, world::GridPoint start, world::GridPoint goal,
                     int level, int windowSize) {
  ws.searchLevel = level;
  start = clampIntoGrid(start);
  goal = clampIntoGrid(goal);
  placeWindow(ws, start, clampInto(windowSize, MinWindowSize, GridSide));
  clampEndsIntoInterior(ws, start, goal);
  resetWorkspace(ws);
  markBorder(ws);
  markUnitObstacles(ws, units);
  // The mover's own cell and its destination may hold one of the ten units; they stay reachable.
  windowCell(ws, ws.startX, ws.startY) = WindowFree;
  windowCell(ws, ws.goalX, ws.goalY) = WindowFree;
  listStartNode(ws);
  buildDirectionTable(ws);
}

}  // namespace gloam::units
