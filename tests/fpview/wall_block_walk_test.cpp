// Which faces a frame draws: the full walk over the block, the visible-face walk that keeps those
// facing open space the eye reaches (or all, where it cannot tell), and the frustum.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "fixtures.hpp"
#include "fpview/first_person_state.hpp"
#include "fpview/visible_wall_faces.hpp"
#include "fpview/wall_block_walk.hpp"

namespace gloam::fpview {
namespace {

using testing::playerAt;
using FaceMap = std::map<std::tuple<int, int, int, int>, int>;

// Records each face as (order 1..6, absolute cell) -> times drawn, and each Wall cell visited.
struct FaceRecorder {
  const units::UnitRecord& player;
  FaceMap faces;
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

// The full walk over the block around the player.
FaceRecorder walkAll(const world::DungeonGrid& grid, const units::UnitRecord& player) {
  FaceRecorder rec{player, {}, 0, {}};
  walkWallBlock(grid, player, DefaultViewRadius, rec);
  return rec;
}

FaceMap visibleFaces(const world::DungeonGrid& grid, const units::UnitRecord& player) {
  FaceRecorder rec{player, {}, 0, {}};
  VisibilityScratch scratch;
  walkVisibleWallFaces(grid, player, DefaultViewRadius, ViewFrustum{}, scratch, rec);
  return rec.faces;
}

TEST(WallBlockWalk, CorridorShowsSideWallsFloorCeilingAndEnds) {
  world::DungeonGrid grid;
  testing::buildCorridor(grid, 90, 110);
  FaceMap want;
  for (int y = 90; y <= 110; ++y) {
    want[{5, 99, y, 2}] = 1;   // side wall in column x - 1, facing the corridor
    want[{6, 101, y, 2}] = 1;  // side wall in column x + 1
    want[{2, 100, y, 3}] = 1;  // floor: the upper face of the level below
    want[{1, 100, y, 1}] = 1;  // ceiling: the lower face of the level above
  }
  want[{4, 100, 89, 2}] = 1;  // end caps
  want[{3, 100, 111, 2}] = 1;
  EXPECT_EQ(walkAll(grid, playerAt(100, 100, 2)).faces, want);
}

TEST(WallBlockWalk, BlockSpansRadiusBelowToRadiusMinusOneAbove) {
  world::DungeonGrid grid = gloam::testing::freshGrid();
  // Single Wall cells just inside and just outside the block on each axis: x - 14, x + 13 and
  // z - 14 inside, x - 15, x + 14 and z + 14 outside.
  const int cells[][2] = {{86, 20}, {113, 20}, {100, 6}, {85, 20}, {114, 20}, {100, 34}};
  for (const auto& c : cells) grid.setCell(c[0], 100, c[1], cell::Wall);
  const FaceRecorder rec = walkAll(grid, playerAt(100, 100, 20));
  const std::set<std::tuple<int, int, int>> inside{{86, 100, 20}, {113, 100, 20}, {100, 100, 6}};
  EXPECT_EQ(rec.wallCellsAt, inside);
  // A Wall neighbour outside the block still hides the face towards it.
  EXPECT_EQ(rec.faces.size(), 3u * 6u - 2u);
  EXPECT_EQ(rec.faces.count({6, 86, 100, 20}), 0u);
  EXPECT_EQ(rec.faces.count({5, 113, 100, 20}), 0u);
}

TEST(WallBlockWalk, OutermostColumnsRowsAndLevelsAreNeverDrawn) {
  world::DungeonGrid grid = gloam::testing::freshGrid();
  testing::fillBox(grid, 0, 0, 0, 12, 12, 12, cell::Wall);
  const FaceRecorder rec = walkAll(grid, playerAt(3, 3, 3));
  EXPECT_EQ(rec.wallCells, 12 * 12 * 12);  // columns, rows and levels 1..12
  EXPECT_EQ(*rec.wallCellsAt.begin(), std::make_tuple(1, 1, 1));
}

TEST(VisibleWallFaces, KeepsFrontFacesOfReachableSpaceAndFallsBackToAllNearOrInWall) {
  world::DungeonGrid grid;
  testing::buildRoom(grid);
  grid.setCell(103, 100, 2, cell::Wall);
  // The inner faces of the room (columns and rows 95..105 on level 2) seen from (100, 100):
  // floor, ceiling and four walls, and of the pillar at (103, 100) only the face towards the eye.
  FaceMap room;
  for (int y = 95; y <= 105; ++y)
    for (int x = 95; x <= 105; ++x) {
      if (x == 103 && y == 100) continue;
      room[{2, x, y, 3}] = 1;
      room[{1, x, y, 1}] = 1;
    }
  for (int i = 95; i <= 105; ++i) {
    room[{5, 94, i, 2}] = 1;
    room[{6, 106, i, 2}] = 1;
    room[{4, i, 94, 2}] = 1;
    room[{3, i, 106, 2}] = 1;
  }
  room[{6, 103, 100, 2}] = 1;
  EXPECT_EQ(visibleFaces(grid, playerAt(100, 100, 2)), room);
  const struct {
    int x;
    float ox;
    bool all;  // expect every face of the full walk
    const char* what;
  } cases[] = {{95, 0.5f, false, "eye beside a wall, 0.5 away"},
               {95, 0.9f, true, "eye 0.1 from a wall: the near plane could cut into it"},
               {103, 0.5f, true, "eye inside the pillar"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const units::UnitRecord eye = playerAt(c.x, 100, 2, c.ox);
    const FaceMap got = visibleFaces(grid, eye);
    if (c.all) {
      EXPECT_EQ(got, walkAll(grid, eye).faces);
    } else {
      EXPECT_LT(got.size(), walkAll(grid, eye).faces.size());
      for (const auto& [face, n] : got) EXPECT_EQ(room.count(face), 1u);
    }
  }
}

TEST(VisibleWallFaces, AFloodThatReachesTheUndrawnRimFallsBackToAllFaces) {
  world::DungeonGrid grid = gloam::testing::freshGrid();
  testing::fillBox(grid, 0, 0, 1, 10, 10, 3, cell::Wall);
  testing::fillBox(grid, 1, 1, 2, 5, 5, 2, cell::Floor);  // open up to the rim column and row 0
  const units::UnitRecord player = playerAt(3, 3, 2);
  EXPECT_EQ(visibleFaces(grid, player), walkAll(grid, player).faces);
  grid.setCell(3, 3, 2, cell::Wall);  // and an eye inside Wall on the rim's level
  EXPECT_EQ(visibleFaces(grid, player), walkAll(grid, player).faces);
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
