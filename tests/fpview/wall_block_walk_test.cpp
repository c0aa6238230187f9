// Which faces a frame draws: in a one-cell corridor the side walls, floor, ceiling and end caps
// and nothing else; the grid's outermost cells are never drawn. Of those, the visible-face walk
// keeps the ones facing open space the eye reaches, unless the eye is in or near Wall or could
// look through the grid's rim, where it keeps them all; the frustum drops what lies outside it.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "fpview/first_person_state.hpp"
#include "fpview/visible_wall_faces.hpp"
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
  want[{4, 100, 89, 2}] = 1;  // end caps
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

using FaceMap = std::map<std::tuple<int, int, int, int>, int>;

FaceMap allFaces(const world::DungeonGrid& grid, const units::UnitRecord& player) {
  FaceRecorder rec{player, {}, 0, {}};
  walkWallBlock(grid, player, DefaultViewRadius, rec);
  return rec.faces;
}

FaceMap visibleFaces(const world::DungeonGrid& grid, const units::UnitRecord& player, const ViewFrustum& frustum = {}) {
  FaceRecorder rec{player, {}, 0, {}};
  VisibilityScratch scratch;
  walkVisibleWallFaces(grid, player, DefaultViewRadius, frustum, scratch, rec);
  return rec.faces;
}

// The inner faces of buildRoom's room (columns and rows 95..105 on level 2) with a pillar at
// (103, 100): floor, ceiling and four walls, and of the pillar only the face towards the eye.
FaceMap roomFacesSeenFrom100() {
  FaceMap want;
  for (int y = 95; y <= 105; ++y)
    for (int x = 95; x <= 105; ++x) {
      if (x == 103 && y == 100) continue;
      want[{2, x, y, 3}] = 1;
      want[{1, x, y, 1}] = 1;
    }
  for (int i = 95; i <= 105; ++i) {
    want[{5, 94, i, 2}] = 1;
    want[{6, 106, i, 2}] = 1;
    want[{4, i, 94, 2}] = 1;
    want[{3, i, 106, 2}] = 1;
  }
  want[{6, 103, 100, 2}] = 1;
  return want;
}

TEST(VisibleWallFaces, KeepsFrontFacesOfReachableSpaceAndFallsBackToAllNearOrInWall) {
  world::DungeonGrid grid;
  testing::buildRoom(grid);
  grid.setCell(103, 100, 2, cell::Wall);
  const struct {
    int x, y;
    float ox;
    bool all;  // expect every face of the full walk
    const char* what;
  } cases[] = {{100, 100, 0.5f, false, "eye mid-room"},
               {95, 100, 0.5f, false, "eye beside a wall, 0.5 away"},
               {95, 100, 0.9f, true, "eye 0.1 from a wall: the near plane could cut into it"},
               {103, 100, 0.5f, true, "eye inside the pillar"}};
  for (const auto& c : cases) {
    const units::UnitRecord player = playerAt(c.x, c.y, 2);
    units::UnitRecord moved = player;
    moved.offsetX = c.ox;
    const FaceMap got = visibleFaces(grid, moved);
    if (c.all) {
      EXPECT_EQ(got, allFaces(grid, moved)) << c.what;
    } else {
      EXPECT_LT(got.size(), allFaces(grid, moved).size()) << c.what;
      for (const auto& [face, n] : got) EXPECT_EQ(roomFacesSeenFrom100().count(face), 1u) << c.what;
    }
  }
  EXPECT_EQ(visibleFaces(grid, playerAt(100, 100, 2)), roomFacesSeenFrom100());
}

TEST(VisibleWallFaces, AFloodThatReachesTheUndrawnRimFallsBackToAllFaces) {
  world::DungeonGrid grid;
  world::allocateGrid(grid);
  testing::fillBox(grid, 0, 0, 1, 10, 10, 3, cell::Wall);
  testing::fillBox(grid, 1, 1, 2, 5, 5, 2, cell::Floor);  // open up to the rim column and row 0
  const units::UnitRecord player = playerAt(3, 3, 2);
  EXPECT_EQ(visibleFaces(grid, player), allFaces(grid, player));
  grid.setCell(3, 3, 2, cell::Wall);  // and an eye inside Wall on the rim's level
  EXPECT_EQ(visibleFaces(grid, player), allFaces(grid, player));
}

TEST(ViewFrustum, ExcludesOnlyQuadsWhollyOutsideOnePlane) {
  const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  const ViewFrustum f = ViewFrustum::fromMatrix(identity);  // the clip cube -1..1, no far plane
  const struct {
    float x0, x1, z;
    bool excluded;
  } cases[] = {{1.01f, 2, 0, true}, {0.9f, 2, 0, false},         {-3, -1.01f, 0, true},
               {-3, 3, 0, false},   {-0.5f, 0.5f, -1.01f, true}, {-0.5f, 0.5f, 50, false}};
  for (const auto& c : cases) {
    const float quad[4][3] = {{c.x0, -0.5f, c.z}, {c.x1, -0.5f, c.z}, {c.x1, 0.5f, c.z}, {c.x0, 0.5f, c.z}};
    EXPECT_EQ(f.excludes(quad), c.excluded) << c.x0 << ".." << c.x1 << " z " << c.z;
  }
  const float farAway[4][3] = {{9, 9, 9}, {10, 9, 9}, {10, 10, 9}, {9, 10, 9}};
  EXPECT_TRUE(f.excludes(farAway));
  EXPECT_FALSE(ViewFrustum{}.excludes(farAway));  // no frustum: nothing is outside
}

}  // namespace
}  // namespace gloam::fpview
