// The heap-based node selection against the literal scan: both searches run on the same random
// levels, units, windows and budgets, and must leave identical workspaces.
#include <algorithm>
#include <cstring>
#include <string>

#include "literal_path_search.hpp"
#include "path_test_support.hpp"
#include "random_levels.hpp"
#include "world/dungeon_generator.hpp"

namespace gloam::units {
namespace {

constexpr int L = 4;

class PathOracleTest : public ::testing::Test {
 protected:
  testing::PathWorld w;
  SearchWorkspace reference;
  Rng rng;

  void SetUp() override {
    allocateSearchWorkspace(reference);
    initCellCostTable(reference.cellCostTable);
  }

  int coordinate() { return rng.below(GridSide + 20) - 10; }  // now and then off the grid

  // A random Floor cell of the searched level (the level has plenty).
  std::pair<int, int> floorCell() {
    for (;;) {
      const int x = rng.below(GridSide), y = rng.below(GridSide);
      if (w.grid.cellAt(x, y, L) == cell::Floor) return {x, y};
    }
  }

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

  void compareManySmallWindows(int searches, const std::string& levelName) {
    for (int i = 0; i < searches; ++i) {
      const int sx = coordinate(), sy = coordinate();
      scatterUnits(sx, sy);
      const int windowSize = 3 + rng.below(70);
      const int gx = sx + rng.below(windowSize + 8) - windowSize / 2 - 4;
      const int gy = sy + rng.below(windowSize + 8) - windowSize / 2 - 4;
      compareSearch(sx, sy, gx, gy, windowSize, levelName + " search " + std::to_string(i));
      if (HasFatalFailure()) return;
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
      compareManySmallWindows(60, std::string(m.name) + " seed " + std::to_string(seed));
      if (HasFatalFailure()) return;
    }
  }
}

// Six levels of a generated dungeon: rooms, doors, stairs and items, copied in turn onto level L.
TEST_F(PathOracleTest, WholeGeneratedDungeonLevels) {
  world::GeneratorTables tables;
  world::allocateGeneratorTables(tables);
  rng.seed(21);
  world::generateStartupDungeon(w.grid, tables, rng);
  int found = 0;
  for (int level = world::StartupFirstLevel; level < world::StartupFirstLevel + 6; ++level) {
    std::memcpy(w.grid.level(L), w.grid.level(level), LevelSize);
    for (int i = 0; i < 3; ++i) {
      const auto [sx, sy] = floorCell();
      const auto [gx, gy] = floorCell();
      scatterUnits(sx, sy);
      compareSearch(sx, sy, gx, gy, GridSide, "generated level " + std::to_string(level));
      found += w.ws.searchResult == SearchCode::GoalReached;
    }
  }
  EXPECT_GT(found, 0);  // the comparison covered successful searches too
}

TEST_F(PathOracleTest, WholeLevelOfMixedTerrainWithAnUnreachableGoal) {
  rng.seed(31);
  testing::paintMix(w.grid, L, testing::OverworldMix, rng);
  w.rect(L, 199, 199, 201, 201, cell::Wall);
  compareSearch(60, 60, 200, 200, GridSide, "overworld, walled goal");
  EXPECT_EQ(SearchCode::NotFound, w.ws.searchResult);
  EXPECT_EQ(WindowFree, w.ws.windowGrid[200 * GridSide + 200]) << "the walled goal cell never received a node";
  EXPECT_GT(w.ws.lastNode, 1000) << "the search did spread before giving up";
}

TEST_F(PathOracleTest, CostsPastTheSelectionBound) {
  testing::paintHillSerpentine(w.grid, L);
  w.rect(L, 100, 100, 140, 140, cell::LandHills);  // a wide field crossed after the bound
  rng.seed(41);
  compareSearch(1, 1, 120, 252, GridSide, "hill serpentine");
  float dearest = 0.0f;
  for (int n = 0; n <= w.ws.lastNode; ++n) dearest = std::max(dearest, w.ws.nodeCost[n]);
  EXPECT_GT(dearest, 2.0f * GridSide * GridSide);
}

}  // namespace
}  // namespace gloam::units
