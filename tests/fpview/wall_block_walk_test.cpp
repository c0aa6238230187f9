// Which faces a frame draws: in a one-cell corridor the side walls, floor, ceiling and end caps
// and nothing else; the grid's outermost cells are never drawn.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "fpview/first_person_state.hpp"
#include "fpview/wall_block_walk.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview {
namespace {

using testing::buildCorridor;
using testing::playerAt;

// Records each face as (order 1..6, absolute cell) -> times drawn.
struct FaceRecorder {
  const units::UnitRecord& player;
  std::map<std::tuple<int, int, int, int>, int> faces;
  int wallCells = 0;
  std::set<std::tuple<int, int, int>> wallCellsAt;

  void wallCell(CellShift s) {
    ++wallCells;
    wallCellsAt.insert({player.cellX + s.x, player.cellY - s.y, player.level + s.z});
  }
  void face(const WallCubeFace& f, CellShift s) {
    const int order = static_cast<int>(&f - WallCubeFaces.data()) + 1;
    ++faces[{order, player.cellX + s.x, player.cellY - s.y, player.level + s.z}];
  }
};

TEST(WallBlockWalk, CorridorShowsSideWallsFloorCeilingAndEnds) {
  world::DungeonGrid grid;
  buildCorridor(grid, 90, 110);
  const units::UnitRecord player = playerAt(100, 100, 2);
  FaceRecorder rec{player, {}, 0, {}};
  walkWallBlock(grid, player, DefaultViewRadius, rec);

  std::map<std::tuple<int, int, int, int>, int> want;
  for (int y = 90; y <= 110; ++y) {
    want[{5, 99, y, 2}] = 1;   // side wall in column x - 1, facing the corridor
    want[{6, 101, y, 2}] = 1;  // side wall in column x + 1
    want[{2, 100, y, 3}] = 1;  // floor: the upper face of the level below
    want[{1, 100, y, 1}] = 1;  // ceiling: the lower face of the level above
  }
  want[{4, 100, 89, 2}] = 1;   // end caps
  want[{3, 100, 111, 2}] = 1;
  EXPECT_EQ(rec.faces, want);
}

TEST(WallBlockWalk, BlockSpansRadiusBelowToRadiusMinusOneAbove) {
  world::DungeonGrid grid;
  world::allocateGrid(grid);
  const units::UnitRecord player = playerAt(100, 100, 20);
  // Single Wall cells just inside and just outside the block on each axis.
  grid.setCell(86, 100, 20, cell::Wall);   // x - 14: inside
  grid.setCell(85, 100, 20, cell::Wall);   // x - 15: outside
  grid.setCell(113, 100, 20, cell::Wall);  // x + 13: inside
  grid.setCell(114, 100, 20, cell::Wall);  // x + 14: outside
  grid.setCell(100, 100, 6, cell::Wall);   // z - 14: inside
  grid.setCell(100, 100, 34, cell::Wall);  // z + 14: outside
  FaceRecorder rec{player, {}, 0, {}};
  walkWallBlock(grid, player, DefaultViewRadius, rec);
  const std::set<std::tuple<int, int, int>> inside{{86, 100, 20}, {113, 100, 20}, {100, 100, 6}};
  EXPECT_EQ(rec.wallCellsAt, inside);
  // A Wall neighbour outside the block still hides the face towards it.
  EXPECT_EQ(rec.faces.size(), 3u * 6u - 2u);
  EXPECT_EQ(rec.faces.count({6, 86, 100, 20}), 0u);
  EXPECT_EQ(rec.faces.count({5, 113, 100, 20}), 0u);
}

TEST(WallBlockWalk, OutermostColumnsRowsAndLevelsAreNeverDrawn) {
  world::DungeonGrid grid;
  world::allocateGrid(grid);
  testing::fillBox(grid, 0, 0, 0, 12, 12, 12, cell::Wall);
  const units::UnitRecord player = playerAt(3, 3, 3);
  FaceRecorder rec{player, {}, 0, {}};
  walkWallBlock(grid, player, DefaultViewRadius, rec);
  EXPECT_EQ(rec.wallCells, 12 * 12 * 12);  // columns, rows and levels 1..12
  EXPECT_EQ(*rec.wallCellsAt.begin(), std::make_tuple(1, 1, 1));
}

}  // namespace
}  // namespace gloam::fpview
