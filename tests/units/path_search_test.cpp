// Path search behaviour at its edges: start and goal clamping, obstacle units, the diagonal rule,
// cell costs, equal-cost ties, the expansion budget and the storing of routes.
#include <algorithm>
#include <cstdlib>

#include "path_test_support.hpp"

namespace gloam::units {
namespace {

using testing::PathWorld;
constexpr int L = 2;  // the level every test searches

class PathSearchTest : public ::testing::Test {
 protected:
  PathWorld w;
  void SetUp() override { w.fill(L, cell::Floor); }
  int closedNodes() const {
    return static_cast<int>(std::count(w.ctx.nodeState.get(), w.ctx.nodeState.get() + w.ctx.lastNode + 1, NodeClosed));
  }
};

TEST_F(PathSearchTest, RunWithoutSetUpReportsNotReady) {
  PathContext fresh;
  allocatePathContext(fresh);
  EXPECT_EQ(SearchNotReady, runPathSearch(fresh, w.grid, 100));
  EXPECT_EQ(NoPath, fresh.pathCursor[UnitSlotCount - 1]);
}

TEST_F(PathSearchTest, StartEqualToGoalExpandsNothing) {
  EXPECT_EQ(SearchStartEqualsGoal, w.search(40, 40, 40, 40, L));
  EXPECT_EQ(SearchStartIsGoal, w.ctx.searchResult);
  EXPECT_EQ(0, w.ctx.lastNode);
  EXPECT_EQ(NodeOpen, w.ctx.nodeState[0]);
  // Column 0 is clamped to column 1, which is where the start already is.
  EXPECT_EQ(SearchStartEqualsGoal, w.search(1, 70, 0, 70, L));
}

TEST_F(PathSearchTest, AdjacentGoalGivesOneEntry) {
  ASSERT_EQ(SearchFoundGoal, w.search(40, 40, 41, 41, L));
  ASSERT_EQ(1, storePath(w.ctx, 7));
  EXPECT_EQ(1u, w.ctx.pathLength[7]);
  EXPECT_EQ(0, w.ctx.pathCursor[7]);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{41, 41}}), w.path(7));
}

TEST_F(PathSearchTest, EndsOnTheGridEdgeMoveOneCellInside) {
  struct Case { int gx, gy, wantX, wantY; };
  for (const Case c : {Case{0, 50, 1, 50}, Case{255, 50, 254, 50}, Case{50, 0, 50, 1}, Case{50, 255, 50, 254},
                       Case{-40, 900, 1, 254}}) {
    ASSERT_EQ(SearchFoundGoal, w.search(60, 60, c.gx, c.gy, L));
    ASSERT_EQ(1, storePath(w.ctx, 0));
    EXPECT_EQ(std::make_pair(c.wantX, c.wantY), w.path(0).front()) << c.gx << "," << c.gy;
  }
  beginPathSearch(w.ctx, w.units, -3, 300, 9, 9, L, GridSide);
  EXPECT_EQ(1, w.ctx.startX);
  EXPECT_EQ(254, w.ctx.startY);
}

TEST_F(PathSearchTest, StoredRouteRunsFromGoalBackToBesideTheStart) {
  w.rect(L, 30, 20, 30, 60, cell::Wall);  // a wall to walk around
  ASSERT_EQ(SearchFoundGoal, w.search(25, 40, 35, 40, L));
  ASSERT_EQ(1, storePath(w.ctx, 2));
  const auto route = w.path(2);
  EXPECT_EQ(std::make_pair(35, 40), route.front());
  std::pair<int, int> previous{25, 40};
  for (auto it = route.rbegin(); it != route.rend(); ++it) {
    EXPECT_LE(std::max(std::abs(it->first - previous.first), std::abs(it->second - previous.second)), 1);
    EXPECT_NE(cell::Wall, w.grid.cellAt(it->first, it->second, L));
    previous = *it;
  }
}

// A corridor from (10,10) to (20,10) with one unit standing in it at (15,10).
class CorridorObstacleTest : public PathSearchTest {
 protected:
  void SetUp() override {
    w.fill(L, cell::Wall);
    w.rect(L, 10, 10, 20, 10, cell::Floor);
  }
};

TEST_F(CorridorObstacleTest, OnlyTheFirstTenLiveBlockingUnitsOfTheLevelBlock) {
  struct Case { int index, level, kind, blocks, inUse; bool blocked; };
  const Case cases[] = {
      {0, L, 2, 1, 1, true},       {9, L, 1, 1, 1, true},        {10, L, 1, 1, 1, false},
      {2999, L, 1, 1, 1, false},   {3, L + 2, 1, 1, 1, false},   {3, L, 1, 0, 1, false},
      {3, L, 0, 1, 1, false},      {3, L, 1, 1, 2, false},       {3, L, 1, 2, 1, false},
  };
  for (const Case& c : cases) {
    UnitRecord& r = w.placeUnit(c.index, 15, 10, c.level);
    r.unitKind = static_cast<std::uint16_t>(c.kind);
    r.blocksPaths = static_cast<std::uint16_t>(c.blocks);
    r.inUse = static_cast<std::uint8_t>(c.inUse);
    EXPECT_EQ(c.blocked ? SearchBudgetSpent : SearchFoundGoal, w.search(10, 10, 20, 10, L)) << "unit " << c.index;
    r = {};
  }
}

TEST_F(CorridorObstacleTest, TheNextStepOfAMovingUnitIsReserved) {
  UnitRecord& mover = w.placeUnit(4, 40, 40, L);
  mover.nextX = 15;
  mover.nextY = 10;
  EXPECT_EQ(SearchFoundGoal, w.search(10, 10, 20, 10, L));
  mover.moving = 1;
  EXPECT_EQ(SearchBudgetSpent, w.search(10, 10, 20, 10, L));
}

TEST_F(CorridorObstacleTest, UnitsOnTheStartOrGoalDoNotBlock) {
  w.placeUnit(5, 20, 10, L);
  w.placeUnit(6, 10, 10, L);
  EXPECT_EQ(SearchFoundGoal, w.search(10, 10, 20, 10, L));
}

TEST_F(PathSearchTest, DiagonalNeedsOpenGroundOnBothFlanks) {
  w.grid.setCell(41, 40, L, cell::Door);
  ASSERT_EQ(SearchFoundGoal, w.search(40, 40, 41, 41, L));
  ASSERT_EQ(1, storePath(w.ctx, 0));
  ASSERT_EQ(2u, w.ctx.pathLength[0]);  // the corner is not cut: one straight step, then another
  const auto firstStep = w.path(0)[1];
  EXPECT_EQ(1, std::abs(firstStep.first - 40) + std::abs(firstStep.second - 40));

  w.grid.setCell(41, 40, L, cell::Floor);
  w.grid.setCell(41, 41, L, cell::Door);  // a Door may be the target of a diagonal step
  w.placeUnit(2, 40, 41, L);              // units beside the step do not matter
  ASSERT_EQ(SearchFoundGoal, w.search(40, 40, 41, 41, L));
  ASSERT_EQ(1, storePath(w.ctx, 0));
  EXPECT_EQ(1u, w.ctx.pathLength[0]);
}

TEST_F(PathSearchTest, RoadIsPreferredToPlainOfEqualLength) {
  w.fill(L, cell::Wall);
  w.paint(L, 10, 8, {
      "#########",
      "pppppppp#",
      "p#######p",
      ".#######.",
      "r#######r",
      "rrrrrrrr#",
  });
  w.grid.setCell(18, 9, L, cell::LandPlain);  // close both loops at the far end
  w.grid.setCell(18, 13, L, cell::LandRoad);
  ASSERT_EQ(SearchFoundGoal, w.search(10, 11, 18, 11, L));
  ASSERT_EQ(1, storePath(w.ctx, 0));
  for (const auto& step : w.path(0)) EXPECT_GE(step.second, 11) << step.first << "," << step.second;
}

TEST_F(PathSearchTest, EqualCostsExpandTheNewestNodeFirst) {
  beginPathSearch(w.ctx, w.units, 100, 100, 200, 200, L, GridSide);
  ASSERT_EQ(SearchBudgetSpent, runPathSearch(w.ctx, w.grid, 1));
  // Four straight neighbours share the lowest cost; the last listed (-x, node 7) goes first.
  EXPECT_EQ(7, w.ctx.currentNode);
  EXPECT_EQ(99, w.ctx.nodeX[7]);
  ASSERT_EQ(SearchBudgetSpent, runPathSearch(w.ctx, w.grid, 1));
  EXPECT_EQ(5, w.ctx.currentNode);  // then -y, the newest of the three left
  EXPECT_EQ(99, w.ctx.nodeY[5]);
}

TEST_F(PathSearchTest, BudgetCountsExpansionsExactlyAndCallsContinue) {
  ASSERT_EQ(SearchFoundGoal, w.search(100, 100, 104, 103, L));
  const int needed = closedNodes();
  beginPathSearch(w.ctx, w.units, 100, 100, 104, 103, L, GridSide);
  ASSERT_EQ(SearchBudgetSpent, runPathSearch(w.ctx, w.grid, needed - 1));
  EXPECT_EQ(SearchNone, w.ctx.searchResult);
  ASSERT_EQ(SearchFoundGoal, runPathSearch(w.ctx, w.grid, 1));
  EXPECT_EQ(w.ctx.currentNode, w.ctx.goalNode);
}

TEST_F(PathSearchTest, UnreachableGoalFailsAfterListingTheWholeRegion) {
  w.rect(L, 60, 60, 62, 62, cell::Wall);
  w.grid.setCell(61, 61, L, cell::Floor);  // a walled pocket
  EXPECT_EQ(SearchBudgetSpent, w.search(10, 10, 61, 61, L));
  EXPECT_EQ(SearchNone, w.ctx.searchResult);
  EXPECT_EQ(254 * 254 - 9, w.ctx.lastNode + 1);  // every interior cell but the pocket's nine
  EXPECT_EQ(w.ctx.lastNode + 1, closedNodes());
}

TEST_F(PathSearchTest, RouteLongerThanThePathTableIsRefused) {
  w.fill(L, cell::Wall);
  for (int row = 1; row <= 253; row += 2) {  // a serpentine corridor far longer than 1000 cells
    w.rect(L, 1, row, 254, row, cell::Floor);
    w.grid.setCell(row % 4 == 1 ? 254 : 1, row + 1, L, cell::Floor);
  }
  ASSERT_EQ(SearchFoundGoal, w.search(1, 1, 1, 9, L));
  EXPECT_GT(routeLength(w.ctx), PathStepsPerUnit);
  w.ctx.pathX[w.ctx.pathIndex(4, 0)] = 77;
  EXPECT_EQ(0, storePath(w.ctx, 4));
  EXPECT_EQ(0u, w.ctx.pathLength[4]);
  EXPECT_EQ(NoPath, w.ctx.pathCursor[4]);
  EXPECT_EQ(77u, w.ctx.pathX[w.ctx.pathIndex(4, 0)]);
}

}  // namespace
}  // namespace gloam::units
