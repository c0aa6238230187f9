// Shared set-up of the unit tests: a grid, a unit table and a path context allocated once per
// test, small level painters, and a field-by-field comparison of two search workspaces.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/cells.hpp"
#include "units/path_context.hpp"
#include "units/path_search.hpp"
#include "units/unit_table.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units::testing {

using Route = std::vector<std::pair<int, int>>;  // stored entries, entry 0 (the goal) first

struct PathWorld {
  world::DungeonGrid grid = gloam::testing::freshGrid();
  UnitTable units;
  PathContext ctx;
  SearchWorkspace& ws = ctx.search;
  PathTable& table = ctx.table;

  PathWorld() {
    allocateUnitTable(units);
    allocatePathContext(ctx);
    initCellCostTable(ws.cellCostTable);
  }

  void fill(int level, cell::Code code) { std::memset(grid.level(level), code, LevelSize); }
  void rect(int level, int x0, int y0, int x1, int y1, cell::Code code) {
    gloam::testing::fillBox(grid, x0, y0, level, x1, y1, level, code);
  }

  UnitRecord& placeUnit(int index, int x, int y, int level) {
    UnitRecord& r = units[index] = gloam::testing::unitAt(x, y, level);
    r.unitKind = 1;
    r.blocksPaths = 1;
    return r;
  }

  // A whole-level search as the movement step runs it.
  SearchCode search(int sx, int sy, int gx, int gy, int level) {
    beginPathSearch(ws, units, {sx, sy}, {gx, gy}, level, GridSide);
    return runPathSearch(ws, grid, GridSide * GridSide);
  }

  // storePath into the unit's entries, then those entries; empty when the route was refused.
  Route storedRoute(int unit) {
    storePath(ws, table, unit);
    Route out;
    for (std::uint32_t k = 0; k < table.pathLength[unit]; ++k)
      out.emplace_back(table.pathX[table.pathIndex(unit, k)], table.pathY[table.pathIndex(unit, k)]);
    return out;
  }
};

// Every field a search writes, compared exactly (costs bit for bit).
inline void expectSameWorkspace(const SearchWorkspace& a, const SearchWorkspace& b, const std::string& label) {
  SCOPED_TRACE(label);
  ASSERT_EQ(a.lastNode, b.lastNode);
  const std::size_t nodes = static_cast<std::size_t>(a.lastNode) + 1;
  EXPECT_EQ(0, std::memcmp(a.nodeX.get(), b.nodeX.get(), nodes * sizeof(std::int16_t)));
  EXPECT_EQ(0, std::memcmp(a.nodeY.get(), b.nodeY.get(), nodes * sizeof(std::int16_t)));
  EXPECT_EQ(0, std::memcmp(a.nodeParent.get(), b.nodeParent.get(), nodes * sizeof(std::uint32_t)));
  EXPECT_EQ(0, std::memcmp(a.nodeState.get(), b.nodeState.get(), nodes));
  EXPECT_EQ(0, std::memcmp(a.nodeCost.get(), b.nodeCost.get(), nodes * sizeof(float)));
  const std::size_t cells = static_cast<std::size_t>(a.windowSize) * a.windowSize;
  EXPECT_EQ(0, std::memcmp(a.windowGrid.get(), b.windowGrid.get(), cells));
  EXPECT_EQ(std::tie(a.currentNode, a.firstOpen, a.bestNode, a.bestCost, a.searchResult, a.goalNode),
            std::tie(b.currentNode, b.firstOpen, b.bestNode, b.bestCost, b.searchResult, b.goalNode));
}

}  // namespace gloam::units::testing
