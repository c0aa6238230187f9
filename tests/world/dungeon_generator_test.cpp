// The generator on hand-built boundaries: the first room, the two rules that end a run, and a
// level too small for a second room. The room-by-room growth of full levels is pinned by the
// golden hashes of the start-up dungeon.
#include <gtest/gtest.h>

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
  EXPECT_EQ(tables.roomTable[0], (RoomRecord{126, 126, 5, 5, 33, 0, FirstRoomTemplate}));
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

}  // namespace
}  // namespace gloam::world
