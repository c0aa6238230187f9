// runPathSearch: the expansion loop. Each pass lists the current node's enterable free neighbours,
// closes it and selects the next node; the goal counts as reached when its node is selected.
// Uniform cost: no estimate of the remaining distance is used.
#include "units/path_expansion.hpp"

#include <array>

#include "units/direction_table.hpp"
#include "units/open_node_selection.hpp"
#include "units/path_cell_rules.hpp"

namespace gloam::units {

namespace {

// Reads of a level outside the grid see Empty everywhere, so such a search lists nothing.
constexpr std::array<std::uint8_t, LevelSize> EmptyLevel{};

const std::uint8_t* levelCells(const world::DungeonGrid& grid, int level) {
  if (level < 0 || level >= LevelCount) return EmptyLevel.data();
  return grid.level(level);
}

// The loop's view of the context. The array pointers and window geometry are copied out once
// per call: every byte stored into the node states or window marks could otherwise alias them
// and force the compiler to reload each one per neighbour.
struct Expansion {
  std::int16_t* nodeX;
  std::int16_t* nodeY;
  std::uint32_t* nodeParent;
  std::uint8_t* nodeState;
  float* nodeCost;
  std::uint8_t* window;
  std::uint64_t* heap;
  const std::uint8_t* cells;  // the searched level, row-major
  const float* cellCost;
  int windowX0, windowY0, windowSize;
  std::array<int, DirectionCount> dirDX, dirDY;
  std::array<float, DirectionCount> dirCost;
  int currentNode, lastNode, openCount;

  explicit Expansion(SearchWorkspace& ws, const std::uint8_t* levelCells)
      : nodeX(ws.nodeX.get()),
        nodeY(ws.nodeY.get()),
        nodeParent(ws.nodeParent.get()),
        nodeState(ws.nodeState.get()),
        nodeCost(ws.nodeCost.get()),
        window(ws.windowGrid.get()),
        heap(ws.openHeap.get()),
        cells(levelCells),
        cellCost(ws.cellCostTable.cost.data()),
        windowX0(ws.windowX0),
        windowY0(ws.windowY0),
        windowSize(ws.windowSize),
        dirDX(ws.dirDX),
        dirDY(ws.dirDY),
        dirCost(ws.dirCost),
        currentNode(ws.currentNode),
        lastNode(ws.lastNode),
        openCount(ws.openCount) {}

  void storeCounters(SearchWorkspace& ws) const {
    ws.currentNode = currentNode;
    ws.lastNode = lastNode;
    ws.openCount = openCount;
  }

  std::uint8_t code(int x, int y) const { return cells[y * GridSide + x]; }
  std::uint8_t& mark(int x, int y) const { return window[(y - windowY0) * windowSize + (x - windowX0)]; }

  void addNode(int d, int nx, int ny, std::uint8_t enteredCode) {
    const int n = ++lastNode;
    nodeX[n] = static_cast<std::int16_t>(nx);
    nodeY[n] = static_cast<std::int16_t>(ny);
    nodeParent[n] = static_cast<std::uint32_t>(currentNode);
    nodeState[n] = NodeOpen;
    // Two single-precision additions in this order: equal-cost ties depend on the rounding.
    const float viaStep = nodeCost[currentNode] + 1.0f * dirCost[d];
    const float cost = viaStep + cellCost[enteredCode];
    nodeCost[n] = cost;
    mark(nx, ny) = WindowListed;
    pushOpenNode(heap, openCount, cost, n);
  }

  // Lists every neighbour that may receive a node; the flanks of a diagonal are judged on the
  // grid alone, so units and closed nodes beside the step do not matter.
  void expandCurrent() {
    const int cx = nodeX[currentNode];
    const int cy = nodeY[currentNode];
    for (int d = 0; d < DirectionCount; ++d) {
      const int nx = cx + dirDX[d];
      const int ny = cy + dirDY[d];
      if (isDiagonal(d) && !(isOpenGround(code(nx, cy)) && isOpenGround(code(cx, ny)))) continue;
      if (mark(nx, ny) != WindowFree) continue;
      const std::uint8_t entered = code(nx, ny);
      if (isEnterable(entered)) addNode(d, nx, ny, entered);
    }
  }

  void closeCurrent() const {
    nodeState[currentNode] = NodeClosed;
    mark(nodeX[currentNode], nodeY[currentNode]) = WindowClosed;
  }

  bool currentIsGoal(const SearchWorkspace& ws) const {
    return nodeX[currentNode] == ws.goalX && nodeY[currentNode] == ws.goalY;
  }
};

}  // namespace

SearchCode runPathSearch(SearchWorkspace& ws, const world::DungeonGrid& grid, int budget) {
  if (ws.searchReady == 0) return SearchCode::NotReady;
  const int limit = ws.windowSize * ws.windowSize - 9;
  if (ws.startX == ws.goalX && ws.startY == ws.goalY) {
    ws.searchResult = SearchCode::StartIsGoal;
    return SearchCode::NoSearchNeeded;
  }
  if (ws.lastNode + budget >= limit) budget = limit - ws.lastNode;
  Expansion step(ws, levelCells(grid, ws.searchLevel));
  for (int pass = 0; pass < budget; ++pass) {
    const bool reexpanding = step.nodeState[step.currentNode] == NodeClosed;
    const int listedBefore = step.lastNode;
    step.expandCurrent();
    step.closeCurrent();
    step.storeCounters(ws);
    step.currentNode = ws.currentNode = selectNextNode(ws);
    step.openCount = ws.openCount;
    if (step.currentIsGoal(ws)) {
      ws.searchResult = SearchCode::GoalReached;
      ws.goalNode = ws.currentNode;
      return SearchCode::GoalReached;
    }
    // With nothing selectable the same closed lastNode comes back, adds nothing and fails the
    // goal test again: every remaining pass would repeat this one, so stop spending them.
    if (reexpanding && step.lastNode == listedBefore) break;
  }
  return SearchCode::NotFound;
}

}  // namespace gloam::units
