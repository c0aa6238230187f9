// The path search at its edges, then the heap-based node selection against the literal scan: both
// run on the same random levels, units, windows and budgets and must leave identical workspaces.
#include <algorithm>
#include <string>

#include "literal_path_search.hpp"
#include "path_test_support.hpp"
#include "random_levels.hpp"

namespace gloam::units {
namespace {

using testing::Route;

class PathSearchTest : public ::testing::Test {
 protected:
  static constexpr int L = 2;  // the level every search test searches
  testing::PathWorld w;
  void SetUp() override { w.fill(L, cell::Floor); }
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
  EXPECT_EQ((Route{{41, 41}}), w.storedRoute(7));  // a goal beside the start: one entry
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

// A corridor from (10,10) to (20,10) with one unit: standing in it at (15,10), elsewhere with its
// next step (15,10) reserved while it moves, or on the start or the goal, which stay reachable.
TEST_F(PathSearchTest, OnlyTheFirstTenLiveBlockingUnitsOfTheLevelBlock) {
  w.fill(L, cell::Wall);
  w.rect(L, 10, 10, 20, 10, cell::Floor);
  struct Case {
    int index, x, level, kind, blocks, inUse, moving;
    bool blocked;
  };
  for (const Case c :
       {Case{0, 15, L, 2, 1, 1, 0, true}, Case{9, 15, L, 1, 1, 1, 0, true}, Case{10, 15, L, 1, 1, 1, 0, false},
        Case{2999, 15, L, 1, 1, 1, 0, false}, Case{3, 15, L + 2, 1, 1, 1, 0, false}, Case{3, 15, L, 1, 0, 1, 0, false},
        Case{3, 15, L, 0, 1, 1, 0, false}, Case{3, 15, L, 1, 1, 2, 0, false}, Case{3, 15, L, 1, 2, 1, 0, false},
        Case{4, 40, L, 1, 1, 1, 0, false}, Case{4, 40, L, 1, 1, 1, 1, true}, Case{5, 20, L, 1, 1, 1, 0, false},
        Case{6, 10, L, 1, 1, 1, 0, false}}) {
    UnitRecord& r = w.placeUnit(c.index, c.x, 10, c.level);
    r.unitKind = static_cast<std::uint16_t>(c.kind);
    r.blocksPaths = static_cast<std::uint16_t>(c.blocks);
    r.inUse = static_cast<std::uint8_t>(c.inUse);
    r.moving = static_cast<std::uint16_t>(c.moving);
    r.nextX = 15;
    r.nextY = 10;
    EXPECT_EQ(c.blocked ? SearchCode::NotFound : SearchCode::GoalReached, w.search(10, 10, 20, 10, L))
        << c.index << " at " << c.x;
    r = {};
  }
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

TEST_F(PathSearchTest, RouteLongerThanThePathTableIsRefused) {
  testing::paintSerpentine(w.grid, L, cell::Floor);  // far longer than 1000 cells
  ASSERT_EQ(SearchCode::GoalReached, w.search(1, 1, 1, 9, L));
  EXPECT_GT(routeLength(w.ws), PathStepsPerUnit);
  w.table.pathX[w.table.pathIndex(4, 0)] = 77;
  EXPECT_EQ(0, storePath(w.ws, w.table, 4));
  EXPECT_EQ(0u, w.table.pathLength[4]);
  EXPECT_EQ(NoPath, w.table.pathCursor[4]);
  EXPECT_EQ(77u, w.table.pathX[w.table.pathIndex(4, 0)]);
}

class PathOracleTest : public ::testing::Test {
 protected:
  static constexpr int L = 4;
  testing::PathWorld w;
  SearchWorkspace reference;
  Rng rng;

  void SetUp() override {
    allocateSearchWorkspace(reference);
    initCellCostTable(reference.cellCostTable);
  }

  int coordinate() { return rng.below(GridSide + 20) - 10; }  // now and then off the grid

  // A few of the first twelve units on or near the searched level, some of them moving.
  void scatterUnits(int nearX, int nearY) {
    for (int u = 0; u < 12; ++u) {
      w.units[u] = {};
      if (rng.below(3) != 0) continue;
      UnitRecord& r =
          w.placeUnit(u, (nearX + rng.below(21) - 10) & 255, (nearY + rng.below(21) - 10) & 255, L + rng.below(4) / 3);
      r.moving = static_cast<std::uint16_t>(rng.below(2));
      r.nextX = static_cast<std::uint16_t>(r.cellX + 1);
      r.nextY = r.cellY;
    }
  }

  // Runs one search both ways, in one call or split over continuing calls, and compares. The
  // literal search answers with the plain numbers 0, 1, 4 and 5.
  void compareSearch(int sx, int sy, int gx, int gy, int windowSize, const std::string& label) {
    beginPathSearch(w.ws, w.units, {sx, sy}, {gx, gy}, L, windowSize);
    beginPathSearch(reference, w.units, {sx, sy}, {gx, gy}, L, windowSize);
    const int total = windowSize * windowSize;
    int calls = 1 + rng.below(3);
    while (calls-- > 0) {
      const int budget = calls == 0 ? total : rng.below(total / 2 + 1);
      const SearchCode fast = runPathSearch(w.ws, w.grid, budget);
      ASSERT_EQ(literal::runPathSearch(reference, w.grid, budget), static_cast<int>(fast)) << label;
      testing::expectSameWorkspace(w.ws, reference, label);
      if (fast != SearchCode::NotFound) break;
    }
  }
};

TEST_F(PathOracleTest, SmallWindowsOnMixedOverworldAndDungeonCodes) {
  struct Mix {
    const std::vector<testing::WeightedCode>* palette;
    std::uint32_t firstSeed;
    const char* name;
  };
  for (const Mix m : {Mix{&testing::OverworldMix, 1, "overworld"}, Mix{&testing::DungeonMix, 11, "dungeon mix"}}) {
    for (std::uint32_t seed = m.firstSeed; seed < m.firstSeed + 4; ++seed) {
      rng.seed(seed);
      testing::paintMix(w.grid, L, *m.palette, rng);
      for (int i = 0; i < 60; ++i) {
        const int sx = coordinate(), sy = coordinate();
        scatterUnits(sx, sy);
        const int windowSize = 3 + rng.below(70);
        const int gx = sx + rng.below(windowSize + 8) - windowSize / 2 - 4;
        const int gy = sy + rng.below(windowSize + 8) - windowSize / 2 - 4;
        const std::string label =
            std::string(m.name) + " seed " + std::to_string(seed) + " search " + std::to_string(i);
        compareSearch(sx, sy, gx, gy, windowSize, label);
        if (HasFatalFailure()) return;
      }
    }
  }
}

TEST_F(PathOracleTest, CostsPastTheSelectionBound) {
  testing::paintSerpentine(w.grid, L, cell::LandHills);
  w.rect(L, 100, 100, 140, 140, cell::LandHills);  // a wide field crossed after the bound
  rng.seed(41);
  compareSearch(1, 1, 120, 252, GridSide, "hill serpentine");
  float dearest = 0.0f;
  for (int n = 0; n <= w.ws.lastNode; ++n) dearest = std::max(dearest, w.ws.nodeCost[n]);
  EXPECT_GT(dearest, 2.0f * GridSide * GridSide);
}

}  // namespace
}  // namespace gloam::units
