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

struct Expansion {
  PathContext& ctx;
  const std::uint8_t* cells;  // the searched level, row-major

  std::uint8_t code(int x, int y) const { return cells[y * GridSide + x]; }
  std::uint8_t& mark(int x, int y) const {
    return ctx.windowGrid[(y - ctx.windowY0) * ctx.windowSize + (x - ctx.windowX0)];
  }

  void addNode(int d, int nx, int ny, std::uint8_t enteredCode) const {
    const int n = ++ctx.lastNode;
    ctx.nodeX[n] = static_cast<std::int16_t>(nx);
    ctx.nodeY[n] = static_cast<std::int16_t>(ny);
    ctx.nodeParent[n] = static_cast<std::uint32_t>(ctx.currentNode);
    ctx.nodeState[n] = NodeOpen;
    // Two single-precision additions in this order: equal-cost ties depend on the rounding.
    const float viaStep = ctx.nodeCost[ctx.currentNode] + 1.0f * ctx.dirCost[d];
    ctx.nodeCost[n] = viaStep + ctx.cellCostTable[enteredCode];
    mark(nx, ny) = WindowListed;
    pushOpenNode(ctx, n);
  }

  // Lists every neighbour that may receive a node; the flanks of a diagonal are judged on the
  // grid alone, so units and closed nodes beside the step do not matter.
  void expandCurrent() const {
    const int cx = ctx.nodeX[ctx.currentNode];
    const int cy = ctx.nodeY[ctx.currentNode];
    for (int d = 0; d < DirectionCount; ++d) {
      const int nx = cx + ctx.dirDX[d];
      const int ny = cy + ctx.dirDY[d];
      if ((d & 1) && !(isOpenGround(code(nx, cy)) && isOpenGround(code(cx, ny)))) continue;
      if (mark(nx, ny) != WindowFree) continue;
      const std::uint8_t entered = code(nx, ny);
      if (isEnterable(entered)) addNode(d, nx, ny, entered);
    }
  }

  void closeCurrent() const {
    ctx.nodeState[ctx.currentNode] = NodeClosed;
    mark(ctx.nodeX[ctx.currentNode], ctx.nodeY[ctx.currentNode]) = WindowClosed;
  }

  bool currentIsGoal() const {
    return ctx.nodeX[ctx.currentNode] == ctx.goalX && ctx.nodeY[ctx.currentNode] == ctx.goalY;
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
  const Expansion step{ctx, levelCells(grid, ctx.searchLevel)};
  for (int pass = 0; pass < budget; ++pass) {
    const bool reexpanding = ctx.nodeState[ctx.currentNode] == NodeClosed;
    const int listedBefore = ctx.lastNode;
    step.expandCurrent();
    step.closeCurrent();
    ctx.currentNode = selectNextNode(ctx);
    if (step.currentIsGoal()) {
      ctx.searchResult = SearchGoalReached;
      ctx.goalNode = ctx.currentNode;
      return SearchFoundGoal;
    }
    // With nothing selectable the same closed lastNode comes back, adds nothing and fails the
    // goal test again: every remaining pass would repeat this one, so stop spending them.
    if (reexpanding && ctx.lastNode == listedBefore) break;
  }
  return SearchBudgetSpent;
}

}  // namespace gloam::units
