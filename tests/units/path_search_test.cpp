// Path search behaviour at its edges: start and goal clamping, obstacle units, the diagonal rule,
// cell costs, equal-cost ties, the expansion budget and the storing of routes.
#include <algorithm>
#include <cstdlib>

#include "path_test_support.hpp"

namespace gloam::units {
namespace {

using testing::Route;
constexpr int L = 2;  // the level every test searches

class PathSearchTest : public ::testing::Test {
 protected:
  testing::PathWorld w;
  void SetUp() override { w.fill(L, cell::Floor); }
  int closedNodes() const {
    return static_cast<int>(std::count(w.ws.nodeState.get(), w.ws.nodeState.get() + w.ws.lastNode + 1, NodeClosed));
  }
};

TEST_F(PathSearchTest, RunWithoutSetUpIsNotReadyAndStartOnGoalExpandsNothing) {
  PathContext fresh;
  allocatePathContext(fresh);
  EXPECT_EQ(SearchCode::NotReady, runPathSearch(fresh.search, w.grid, 100));
  EXPECT_EQ(NoPath, fresh.table.pathCursor[UnitSlotCount - 1]);
  EXPECT_EQ(SearchCode::NoSearchNeeded, w.search(40, 40, 40, 40, L));
  EXPECT_EQ(SearchCode::StartIsGoal, w.ws.searchResult);
  EXPECT_EQ(0, w.ws.lastNode);
  EXPECT_EQ(NodeOpen, w.ws.nodeState[0]);
  EXPECT_EQ(SearchCode::NoSearchNeeded, w.search(1, 70, 0, 70, L));  // column 0 is clamped onto the start
}

// Entry 0 is the goal, moved one cell inside when it lies on or beyond the grid's edge.
TEST_F(PathSearchTest, StoredRouteEndsOnTheGoalClampedInsideTheGrid) {
  ASSERT_EQ(SearchCode::GoalReached, w.search(40, 40, 41, 41, L));
  EXPECT_EQ((Route{{41, 41}}), w.storedRoute(7));  // a goal beside the start: one entry, the cursor on it
  EXPECT_EQ(0, w.table.pathCursor[7]);
  struct Case {
    int gx, gy, wantX, wantY;
  };
  for (const Case c : {Case{0, 50, 1, 50}, Case{255, 50, 254, 50}, Case{50, 0, 50, 1}, Case{50, 255, 50, 254},
                       Case{-40, 900, 1, 254}}) {
    ASSERT_EQ(SearchCode::GoalReached, w.search(60, 60, c.gx, c.gy, L));
    EXPECT_EQ(std::make_pair(c.wantX, c.wantY), w.storedRoute(0).at(0)) << c.gx << "," << c.gy;
  }
  beginPathSearch(w.ws, w.units, {-3, 300}, {9, 9}, L, GridSide);
  EXPECT_EQ(1, w.ws.startX);
  EXPECT_EQ(254, w.ws.startY);
}

TEST_F(PathSearchTest, StoredRouteRunsFromGoalBackToBesideTheStart) {
  w.rect(L, 30, 20, 30, 60, cell::Wall);  // a wall to walk around
  ASSERT_EQ(SearchCode::GoalReached, w.search(25, 40, 35, 40, L));
  const Route route = w.storedRoute(2);
  EXPECT_EQ(std::make_pair(35, 40), route.at(0));
  EXPECT_EQ(static_cast<int>(route.size()) - 1, w.table.pathCursor[2]);
  std::pair<int, int> previous{25, 40};
  for (auto it = route.rbegin(); it != route.rend(); ++it) {
    EXPECT_LE(std::max(std::abs(it->first - previous.first), std::abs(it->second - previous.second)), 1);
    EXPECT_NE(cell::Wall, w.grid.cellAt(it->first, it->second, L));
    previous = *it;
  }
}

// A corridor from (10,10) to (20,10) with one unit standing in it at (15,10).
TEST_F(PathSearchTest, OnlyTheFirstTenLiveBlockingUnitsOfTheLevelBlock) {
  w.fill(L, cell::Wall);
  w.rect(L, 10, 10, 20, 10, cell::Floor);
  struct Case {
    int index, level, kind, blocks, inUse;
    bool blocked;
  };
  for (const Case c : {Case{0, L, 2, 1, 1, true}, Case{9, L, 1, 1, 1, true}, Case{10, L, 1, 1, 1, false},
                       Case{2999, L, 1, 1, 1, false}, Case{3, L + 2, 1, 1, 1, false}, Case{3, L, 1, 0, 1, false},
                       Case{3, L, 0, 1, 1, false}, Case{3, L, 1, 1, 2, false}, Case{3, L, 1, 2, 1, false}}) {
    UnitRecord& r = w.placeUnit(c.index, 15, 10, c.level);
    r.unitKind = static_cast<std::uint16_t>(c.kind);
    r.blocksPaths = static_cast<std::uint16_t>(c.blocks);
    r.inUse = static_cast<std::uint8_t>(c.inUse);
    EXPECT_EQ(c.blocked ? SearchCode::NotFound : SearchCode::GoalReached, w.search(10, 10, 20, 10, L)) << c.index;
    r = {};
  }
  UnitRecord& mover = w.placeUnit(4, 40, 40, L);  // the next step of a moving unit is reserved
  mover.nextX = 15;
  mover.nextY = 10;
  EXPECT_EQ(SearchCode::GoalReached, w.search(10, 10, 20, 10, L));
  mover.moving = 1;
  EXPECT_EQ(SearchCode::NotFound, w.search(10, 10, 20, 10, L));
  mover = {};
  w.placeUnit(5, 20, 10, L);  // units on the start and the goal do not block
  w.placeUnit(6, 10, 10, L);
  EXPECT_EQ(SearchCode::GoalReached, w.search(10, 10, 20, 10, L));
}

TEST_F(PathSearchTest, DiagonalNeedsOpenGroundOnBothFlanks) {
  w.grid.setCell(41, 40, L, cell::Door);
  ASSERT_EQ(SearchCode::GoalReached, w.search(40, 40, 41, 41, L));
  const Route detour = w.storedRoute(0);
  ASSERT_EQ(2u, detour.size());  // the corner is not cut: one straight step, then another
  EXPECT_EQ(1, std::abs(detour[1].first - 40) + std::abs(detour[1].second - 40));

  w.grid.setCell(41, 40, L, cell::Floor);
  w.grid.setCell(41, 41, L, cell::Door);  // a Door may be the target of a diagonal step
  w.placeUnit(2, 40, 41, L);              // units beside the step do not matter
  ASSERT_EQ(SearchCode::GoalReached, w.search(40, 40, 41, 41, L));
  EXPECT_EQ(1u, w.storedRoute(0).size());
}

TEST_F(PathSearchTest, RoadIsPreferredToPlainOfEqualLength) {
  // Two loops of equal length from (10, 11) to (18, 11): LandPlain above, LandRoad below.
  w.fill(L, cell::Wall);
  w.rect(L, 10, 9, 18, 9, cell::LandPlain);
  w.rect(L, 10, 13, 18, 13, cell::LandRoad);
  for (const int x : {10, 18}) {
    w.grid.setCell(x, 10, L, cell::LandPlain);
    w.grid.setCell(x, 11, L, cell::Floor);
    w.grid.setCell(x, 12, L, cell::LandRoad);
  }
  ASSERT_EQ(SearchCode::GoalReached, w.search(10, 11, 18, 11, L));
  for (const auto& step : w.storedRoute(0)) EXPECT_GE(step.second, 11) << step.first << "," << step.second;
}

TEST_F(PathSearchTest, EqualCostsExpandTheNewestNodeFirst) {
  beginPathSearch(w.ws, w.units, {100, 100}, {200, 200}, L, GridSide);
  ASSERT_EQ(SearchCode::NotFound, runPathSearch(w.ws, w.grid, 1));
  // Four straight neighbours share the lowest cost; the last listed (-x, node 7) goes first.
  EXPECT_EQ(7, w.ws.currentNode);
  EXPECT_EQ(99, w.ws.nodeX[7]);
  ASSERT_EQ(SearchCode::NotFound, runPathSearch(w.ws, w.grid, 1));
  EXPECT_EQ(5, w.ws.currentNode);  // then -y, the newest of the three left
  EXPECT_EQ(99, w.ws.nodeY[5]);
}

TEST_F(PathSearchTest, BudgetCountsExpansionsExactlyAndCallsContinue) {
  ASSERT_EQ(SearchCode::GoalReached, w.search(100, 100, 104, 103, L));
  const int needed = closedNodes();
  beginPathSearch(w.ws, w.units, {100, 100}, {104, 103}, L, GridSide);
  ASSERT_EQ(SearchCode::NotFound, runPathSearch(w.ws, w.grid, needed - 1));
  EXPECT_EQ(SearchCode::NotFound, w.ws.searchResult);
  ASSERT_EQ(SearchCode::GoalReached, runPathSearch(w.ws, w.grid, 1));
  EXPECT_EQ(w.ws.currentNode, w.ws.goalNode);
}

TEST_F(PathSearchTest, UnreachableGoalFailsAfterListingTheWholeRegion) {
  w.rect(L, 60, 60, 62, 62, cell::Wall);
  w.grid.setCell(61, 61, L, cell::Floor);  // a walled pocket
  EXPECT_EQ(SearchCode::NotFound, w.search(10, 10, 61, 61, L));
  EXPECT_EQ(SearchCode::NotFound, w.ws.searchResult);
  EXPECT_EQ(254 * 254 - 9, w.ws.lastNode + 1);  // every interior cell but the pocket's nine
  EXPECT_EQ(w.ws.lastNode + 1, closedNodes());
}

TEST_F(PathSearchTest, RouteLongerThanThePathTableIsRefused) {
  w.fill(L, cell::Wall);
  for (int row = 1; row <= 253; row += 2) {  // a serpentine corridor far longer than 1000 cells
    w.rect(L, 1, row, 254, row, cell::Floor);
    w.grid.setCell(row % 4 == 1 ? 254 : 1, row + 1, L, cell::Floor);
  }
  ASSERT_EQ(SearchCode::GoalReached, w.search(1, 1, 1, 9, L));
  EXPECT_GT(routeLength(w.ws), PathStepsPerUnit);
  w.table.pathX[w.table.pathIndex(4, 0)] = 77;
  EXPECT_EQ(0, storePath(w.ws, w.table, 4));
  EXPECT_EQ(0u, w.table.pathLength[4]);
  EXPECT_EQ(NoPath, w.table.pathCursor[4]);
  EXPECT_EQ(77u, w.table.pathX[w.table.pathIndex(4, 0)]);
}

}  // namespace
}  // namespace gloam::units
