// The generator on hand-built boundaries: the first room, the two rules that end a run, a level
// too small for a second room, and the room-by-room growth rule (rooms touch only at an entrance).
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "core/rng.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_generator.hpp"
#include "world_test_support.hpp"

namespace gloam::world {
namespace {

class DungeonGeneratorTest : public ::testing::Test {
 protected:
  DungeonGrid grid = testing::freshGrid();
  GeneratorTables tables = testing::freshTables();
  Rng rng;

  int count(int level, std::uint8_t code) const { return testing::countOnLevel(grid, level, code); }
};

TEST_F(DungeonGeneratorTest, FirstRoomOfTheRunIsTemplate13AtTheCentre) {
  generateDungeon(grid, tables, rng, {128, 128, 33, 1, 255, 0});
  ASSERT_EQ(tables.roomCount, 1);
  const RoomRecord& room = tables.roomTable[0];
  EXPECT_EQ(room.x, 126);
  EXPECT_EQ(room.y, 126);
  EXPECT_EQ(room.width, 5);
  EXPECT_EQ(room.height, 5);
  EXPECT_EQ(room.level, 33);
  EXPECT_EQ(room.index, 0u);
  EXPECT_EQ(room.templateIndex, FirstRoomTemplate);
  EXPECT_EQ(count(33, cell::Floor), 25);
  EXPECT_EQ(grid.cellAt(126, 126, 33), cell::Floor);
  EXPECT_EQ(grid.cellAt(130, 130, 33), cell::Floor);
  EXPECT_EQ(grid.cellAt(131, 130, 33), cell::Wall);
  // The area reaches 127 cells to each side: columns and rows 1..255; row and column 0 stay Empty.
  EXPECT_EQ(count(33, cell::Wall), 255 * 255 - 25);
  EXPECT_EQ(grid.cellAt(0, 128, 33), cell::Empty);
  EXPECT_EQ(grid.cellAt(128, 0, 33), cell::Empty);
  EXPECT_EQ(grid.cellAt(255, 255, 33), cell::Wall);
}

TEST_F(DungeonGeneratorTest, LevelWithSpaceForOnlyTheFirstRoomGetsNothingElse) {
  // A 7 x 7 area holds the 5 x 5 room and its margin exactly; no entry cell can be Wall.
  generateDungeon(grid, tables, rng, {100, 100, 20, 1, 6, 50});
  EXPECT_EQ(tables.roomCount, 1);
  EXPECT_EQ(tables.levelEndRoom[20], 1u);
  EXPECT_EQ(count(20, cell::Floor), 25);
  EXPECT_EQ(count(20, cell::Wall), 49 - 25);
}

TEST_F(DungeonGeneratorTest, FirstRoomWhoseMarginLeavesTheAreaEndsTheRun) {
  // A 5 x 5 area: the room fits but its margin is Empty, so nothing is stamped and level 21 is left.
  generateDungeon(grid, tables, rng, {100, 100, 20, 2, 5, 50});
  EXPECT_EQ(tables.roomCount, 0);
  EXPECT_EQ(count(20, cell::Wall), 25);
  EXPECT_EQ(count(20, cell::Floor), 0);
  EXPECT_EQ(count(21, cell::Wall), 0);
}

TEST_F(DungeonGeneratorTest, AreaReachingOutsideTheGridEndsTheRunUntouched) {
  generateDungeon(grid, tables, rng, {100, 100, 20, 1, 255, 50});  // columns -27..227
  EXPECT_EQ(tables.roomCount, 0);
  EXPECT_EQ(count(20, cell::Empty), LevelSize);
  EXPECT_EQ(rng.state, 1u);
}

TEST_F(DungeonGeneratorTest, LevelWhoseAreaIsNotEmptyEndsTheRunAndSkipsAllFeatures) {
  grid.setCell(250, 250, 34, cell::Floor);
  generateDungeon(grid, tables, rng, {128, 128, 33, 2, 255, 60});
  const int rooms = static_cast<int>(tables.levelEndRoom[33]);
  EXPECT_GT(rooms, 10);  // enough rooms that phase 2 would have put candelabra here
  EXPECT_EQ(tables.roomCount, rooms);
  EXPECT_EQ(count(33, cell::Candelabrum), 0);
  EXPECT_EQ(count(34, cell::Wall), 0);
  EXPECT_EQ(count(34, cell::Floor), 1);
}

// Open cells are everything a room or an entrance made: neither Wall nor Empty.
std::vector<bool> openCells(const DungeonGrid& grid, int level) {
  std::vector<bool> open(LevelSize);
  for (int i = 0; i < LevelSize; ++i) {
    const auto code = grid.level(level)[i];
    open[i] = code != cell::Wall && code != cell::Empty;
  }
  return open;
}

bool openAt(const std::vector<bool>& open, int x, int y) {
  return x >= 0 && y >= 0 && x < GridSide && y < GridSide && open[y * GridSide + x];
}

bool touchesOld(const std::vector<bool>& old, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (openAt(old, x + dx, y + dy)) return true;
  return false;
}

// Checks that the cells one more room slot opened form a room that meets the older rooms at
// exactly one cell, a Door or Floor between an old floor cell and a new one.
void expectRoomJoinsThroughOneEntrance(const DungeonGrid& grid, const std::vector<bool>& before,
                                       const std::vector<bool>& after, const RoomRecord& room) {
  int entrances = 0;
  int roomCells = 0;
  for (int y = 0; y < GridSide; ++y) {
    for (int x = 0; x < GridSide; ++x) {
      const int i = y * GridSide + x;
      ASSERT_TRUE(after[i] || !before[i]) << "a cell closed again at " << x << "," << y;
      if (!after[i] || before[i]) continue;
      const bool inRoom = x >= room.x && x < room.x + room.width && y >= room.y && y < room.y + room.height;
      if (inRoom) {
        ++roomCells;
        EXPECT_FALSE(touchesOld(before, x, y)) << "room cell next to an older room at " << x << "," << y;
        continue;
      }
      ++entrances;
      const auto code = grid.cellAt(x, y, 40);
      EXPECT_TRUE(code == cell::Door || code == cell::Floor) << int(code);
      const bool between = (openAt(before, x - 1, y) && openAt(after, x + 1, y) && !openAt(before, x + 1, y)) ||
                           (openAt(before, x + 1, y) && openAt(after, x - 1, y) && !openAt(before, x - 1, y)) ||
                           (openAt(before, x, y - 1) && openAt(after, x, y + 1) && !openAt(before, x, y + 1)) ||
                           (openAt(before, x, y + 1) && openAt(after, x, y - 1) && !openAt(before, x, y - 1));
      EXPECT_TRUE(between) << "entrance at " << x << "," << y;
    }
  }
  EXPECT_EQ(entrances, 1);
  EXPECT_GT(roomCells, 0);
}

// Room slots draw the same numbers whatever comes after them, so generating with k and k + 1
// slots shows exactly what slot k added.
TEST_F(DungeonGeneratorTest, EachRoomMeetsTheOlderRoomsOnlyThroughItsEntrance) {
  constexpr int Slots = 60;
  for (std::uint32_t seed : {3u, 11u}) {
    std::vector<bool> before;
    int roomsBefore = 0;
    int grown = 0;
    for (int k = 0; k <= Slots; ++k) {
      std::memset(grid.level(40), 0, LevelSize);
      rng.seed(seed);
      generateDungeon(grid, tables, rng, {128, 128, 40, 1, 255, k});
      std::vector<bool> after = openCells(grid, 40);
      if (k > 0 && tables.roomCount == roomsBefore) {
        EXPECT_EQ(after, before) << "slot " << k - 1 << " added no room but changed the level";
      } else if (k > 0) {
        ASSERT_EQ(tables.roomCount, roomsBefore + 1);
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " slot " << k - 1);
        expectRoomJoinsThroughOneEntrance(grid, before, after, tables.roomTable[roomsBefore]);
        ++grown;
      }
      before = std::move(after);
      roomsBefore = tables.roomCount;
    }
    EXPECT_GT(grown, Slots / 2);
  }
}

}  // namespace
}  // namespace gloam::world
