// runPathSearch: the expansion loop. Each pass lists the current node's enterable free neighbours,
// closes it and selects the next node; the goal counts as reached when its node is selected.
// Uniform cost: no estimate of the remaining distance is used.
#include <array>

#include "units/open_node_selection.hpp"
#include "units/path_cell_rules.hpp"
#include "units/path_search.hpp"

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

  explicit Expansion(PathContext& ctx, const std::uint8_t* levelCells)
      : nodeX(ctx.nodeX.get()), nodeY(ctx.nodeY.get()), nodeParent(ctx.nodeParent.get()),
        nodeState(ctx.nodeState.get()), nodeCost(ctx.nodeCost.get()), window(ctx.windowGrid.get()),
        heap(ctx.openHeap.get()), cells(levelCells), cellCost(ctx.cellCostTable.cost.data()),
        windowX0(ctx.windowX0), windowY0(ctx.windowY0), windowSize(ctx.windowSize), dirDX(ctx.dirDX),
        dirDY(ctx.dirDY), dirCost(ctx.dirCost), currentNode(ctx.currentNode), lastNode(ctx.lastNode),
        openCount(ctx.openCount) {}

  void storeCounters(PathContext& ctx) const {
    ctx.currentNode = currentNode;
    ctx.lastNode = lastNode;
    ctx.openCount = openCount;
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
      if ((d & 1) && !(isOpenGround(code(nx, cy)) && isOpenGround(code(cx, ny)))) continue;
      if (mark(nx, ny) != WindowFree) continue;
      const std::uint8_t entered = code(nx, ny);
      if (isEnterable(entered)) addNode(d, nx, ny, entered);
    }
  }

  void closeCurrent() const {
    nodeState[currentNode] = NodeClosed;
    mark(nodeX[currentNode], nodeY[currentNode]) = WindowClosed;
  }

  bool currentIsGoal(const PathContext& ctx) const {
    return nodeX[currentNode] == ctx.goalX && nodeY[currentNode] == ctx.goalY;
  }
};

}  // namespace

int runPathSearch(PathContext& ctx, const world::DungeonGrid& grid, int budget) {
  if (ctx.searchReady == 0) return SearchNotReady;
  const int limit = ctx.windowSize * ctx.windowSize - 9;
  if (ctx.startX == ctx.goalX && ctx.startY == ctx.goalY) {
    ctx.searchResult = SearchStartIsGoal;
    return SearchStartEqualsGoal;
  }
  if (ctx.lastNode + budget >= limit) budget = limit - ctx.lastNode;
  Expansion step(ctx, levelCells(grid, ctx.searchLevel));
  for (int pass = 0; pass < budget; ++pass) {
    const bool reexpanding = step.nodeState[step.currentNode] == NodeClosed;
    const int listedBefore = step.lastNode;
    step.expandCurrent();
    step.closeCurrent();
    step.storeCounters(ctx);
    step.currentNode = ctx.currentNode = selectNextNode(ctx);
    step.openCount = ctx.openCount;
    if (step.currentIsGoal(ctx)) {
      ctx.searchResult = SearchGoalReached;
      ctx.goalNode = ctx.currentNode;
      return SearchFoundGoal;
    }
    // With nothing selectable the same closed lastNode comes back, adds nothing and fails the
    // goal test again: every remaining pass would repeat this one, so stop spending them.
    if (reexpanding && step.lastNode == listedBefore) break;
  }
  return SearchBudgetSpent;
}

}  // namespace gloam::units
