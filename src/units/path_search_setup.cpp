// beginPathSearch: places the search window on the level, clamps start and goal into it, clears
// the workspace, marks the border and the cells of the first ten units, and lists the start node.
#include <algorithm>
#include <cstring>

#include "units/direction_table.hpp"
#include "units/open_node_selection.hpp"
#include "units/path_search.hpp"

namespace gloam::units {

namespace {

constexpr int MinWindowSize = 3;  // the smallest window with an interior cell

int clampInto(int value, int low, int high) { return std::min(std::max(value, low), high); }

std::uint8_t& windowCell(PathContext& ctx, int column, int row) {
  return ctx.windowGrid[(row - ctx.windowY0) * ctx.windowSize + (column - ctx.windowX0)];
}

bool insideBorder(const PathContext& ctx, int column, int row) {
  const int wx = column - ctx.windowX0;
  const int wy = row - ctx.windowY0;
  return wx > 0 && wx < ctx.windowSize - 1 && wy > 0 && wy < ctx.windowSize - 1;
}

void placeWindow(PathContext& ctx, int startX, int startY, int windowSize) {
  ctx.windowSize = windowSize;
  ctx.windowX0 = std::min(std::max(startX - windowSize / 2, 0), GridSide - windowSize);
  ctx.windowY0 = std::min(std::max(startY - windowSize / 2, 0), GridSide - windowSize);
}

// Start and goal keep off the border: border cells never receive a node.
void clampEndsIntoInterior(PathContext& ctx, int startX, int startY, int goalX, int goalY) {
  const int lowX = ctx.windowX0 + 1, highX = ctx.windowX0 + ctx.windowSize - 2;
  const int lowY = ctx.windowY0 + 1, highY = ctx.windowY0 + ctx.windowSize - 2;
  ctx.startX = clampInto(startX, lowX, highX);
  ctx.startY = clampInto(startY, lowY, highY);
  ctx.goalX = clampInto(goalX, lowX, highX);
  ctx.goalY = clampInto(goalY, lowY, highY);
}

void resetWorkspace(PathContext& ctx) {
  const std::size_t n = static_cast<std::size_t>(ctx.windowSize) * ctx.windowSize;
  std::memset(ctx.nodeX.get(), 0, n * sizeof(ctx.nodeX[0]));
  std::memset(ctx.nodeY.get(), 0, n * sizeof(ctx.nodeY[0]));
  std::memset(ctx.nodeParent.get(), 0, n * sizeof(ctx.nodeParent[0]));
  std::memset(ctx.nodeState.get(), NodeOpen, n * sizeof(ctx.nodeState[0]));
  std::fill_n(ctx.nodeCost.get(), n, 0.0f);
  std::memset(ctx.windowGrid.get(), WindowFree, n);
}

void markBorder(PathContext& ctx) {
  const int last = ctx.windowSize - 1;
  for (int i = 0; i < ctx.windowSize; ++i) {
    ctx.windowGrid[i] = WindowListed;                            // first row
    ctx.windowGrid[last * ctx.windowSize + i] = WindowListed;    // last row
    ctx.windowGrid[i * ctx.windowSize] = WindowListed;           // first column
    ctx.windowGrid[i * ctx.windowSize + last] = WindowListed;    // last column
  }
}

void markUnitObstacles(PathContext& ctx, const UnitTable& units) {
  for (int u = 0; u < ObstacleUnitCount; ++u) {
    const UnitRecord& r = units[u];
    if (r.inUse != 1 || r.unitKind == 0 || r.blocksPaths != 1 || r.level != ctx.searchLevel) continue;
    if (insideBorder(ctx, r.cellX, r.cellY)) windowCell(ctx, r.cellX, r.cellY) = WindowOccupied;
    if (r.moving == 1 && insideBorder(ctx, r.nextX, r.nextY)) windowCell(ctx, r.nextX, r.nextY) = WindowReserved;
  }
}

void listStartNode(PathContext& ctx) {
  ctx.nodeX[0] = static_cast<std::int16_t>(ctx.startX);
  ctx.nodeY[0] = static_cast<std::int16_t>(ctx.startY);
  ctx.nodeParent[0] = 0;
  ctx.nodeState[0] = NodeOpen;
  ctx.nodeCost[0] = 1.0f;
  ctx.currentNode = 0;
  ctx.lastNode = 0;
  ctx.firstOpen = 0;
  ctx.bestCost = 0.0f;
  ctx.searchResult = SearchNone;
  ctx.searchReady = 1;
  resetOpenNodes(ctx);
}

}  // namespace

void beginPathSearch(PathContext& ctx, const UnitTable& units, int startX, int startY, int goalX, int goalY,
                     int level, int windowSize) {
  ctx.searchLevel = level;
  startX = clampInto(startX, 0, GridSide - 1);
  startY = clampInto(startY, 0, GridSide - 1);
  goalX = clampInto(goalX, 0, GridSide - 1);
  goalY = clampInto(goalY, 0, GridSide - 1);
  placeWindow(ctx, startX, startY, clampInto(windowSize, MinWindowSize, GridSide));
  clampEndsIntoInterior(ctx, startX, startY, goalX, goalY);
  resetWorkspace(ctx);
  markBorder(ctx);
  markUnitObstacles(ctx, units);
  // The mover's own cell and its destination may hold one of the ten units; they stay reachable.
  windowCell(ctx, ctx.startX, ctx.startY) = WindowFree;
  windowCell(ctx, ctx.goalX, ctx.goalY) = WindowFree;
  listStartNode(ctx);
  buildDirectionTable(ctx, 0);
}

}  // namespace gloam::units
