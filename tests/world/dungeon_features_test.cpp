// The feature passes on hand-built room runs: item counts at the divisor boundaries, the stairs
// target and its pairing, and passes that run out of tries.
#include <gtest/gtest.h>

#include "core/rng.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_generator.hpp"
#include "world/grid_rectangles.hpp"
#include "world_test_support.hpp"

namespace gloam::world {
namespace {

constexpr int Level = 50;

class DungeonFeaturesTest : public ::testing::Test {
 protected:
  DungeonGrid grid = testing::freshGrid();
  GeneratorTables tables = testing::freshTables();
  Rng rng;

  // `count` room records on `level`, all covering the same rectangle, appended to the run.
  void addRooms(int level, int count, int x, int y, int width, int height) {
    tables.levelFirstRoom[level] = static_cast<std::uint32_t>(tables.roomCount);
    for (int i = 0; i < count; ++i) {
      tables.roomTable[tables.roomCount] = RoomRecord{static_cast<std::uint16_t>(x),
                                                      static_cast<std::uint16_t>(y),
                                                      static_cast<std::uint16_t>(width),
                                                      static_cast<std::uint16_t>(height),
                                                      static_cast<std::uint16_t>(level),
                                                      static_cast<std::uint32_t>(tables.roomCount),
                                                      0};
      ++tables.roomCount;
    }
    tables.levelEndRoom[level] = static_cast<std::uint32_t>(tables.roomCount);
  }

  void floorRect(int level, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) grid.setCell(x, y, level, cell::Floor);
  }

  int count(int level, std::uint8_t code) const { return testing::countOnLevel(grid, level, code); }
};

struct ItemCounts {
  int rooms;
  int chests, candelabra, scrolls, coffins, fountains;
};

// Item passes keep going while placed <= target, so each places target + 1, or none at target 0.
class ItemCountTest : public DungeonFeaturesTest, public ::testing::WithParamInterface<ItemCounts> {};

TEST_P(ItemCountTest, EachPassPlacesOneMoreThanItsNonZeroTarget) {
  const ItemCounts& c = GetParam();
  floorRect(Level, 10, 10, 59, 59);
  addRooms(Level, c.rooms, 10, 10, 50, 50);
  rng.seed(7);
  placeDungeonFeatures(grid, tables, rng, Level, 1, StartupAreaSize);
  EXPECT_EQ(count(Level, cell::Chest), c.chests);
  EXPECT_EQ(count(Level, cell::Candelabrum), c.candelabra);
  EXPECT_EQ(count(Level, cell::Scrolls), c.scrolls);
  EXPECT_EQ(count(Level, cell::Coffin), c.coffins);
  EXPECT_EQ(count(Level, cell::Fountain), c.fountains);
  const int items = c.chests + c.candelabra + c.scrolls + c.coffins + c.fountains;
  EXPECT_EQ(count(Level, cell::Floor), 2500 - items);  // items land only on the floor rectangle
  EXPECT_EQ(count(Level, cell::StairsUp), 0);          // the first level of a run has no stairs up
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ItemCountTest,
                         ::testing::Values(ItemCounts{1, 0, 0, 0, 0, 0}, ItemCounts{4, 0, 0, 0, 0, 0},
                                           ItemCounts{5, 0, 2, 0, 0, 0}, ItemCounts{24, 0, 5, 0, 0, 0},
                                           ItemCounts{25, 2, 6, 0, 2, 0}, ItemCounts{40, 2, 9, 2, 2, 0},
                                           ItemCounts{60, 3, 13, 2, 3, 2}));

TEST_F(DungeonFeaturesTest, StairsJoinFloorCellsOfTwoLevelsAndMatchTheirTarget) {
  struct Case {
    int areaSize;
    int stairs;
  };
  for (const Case c : {Case{0, 1}, Case{31, 1}, Case{32, 2}, Case{255, 8}}) {
    grid = testing::freshGrid();
    tables.roomCount = 0;
    floorRect(Level, 10, 10, 59, 59);
    floorRect(Level + 1, 10, 10, 59, 59);
    addRooms(Level, 0, 0, 0, 1, 1);
    addRooms(Level + 1, 1, 10, 10, 50, 50);  // one room: no items, stairs only
    placeDungeonFeatures(grid, tables, rng, Level, 2, c.areaSize);
    EXPECT_EQ(count(Level + 1, cell::StairsUp), c.stairs) << c.areaSize;
    EXPECT_EQ(count(Level, cell::StairsDown), c.stairs) << c.areaSize;
    for (int y = 10; y < 60; ++y)
      for (int x = 10; x < 60; ++x)
        EXPECT_EQ(grid.cellAt(x, y, Level + 1) == cell::StairsUp, grid.cellAt(x, y, Level) == cell::StairsDown);
  }
}

TEST_F(DungeonFeaturesTest, StairsNeedFloorAboveAndStopWhenTheTriesRunOut) {
  floorRect(Level + 1, 10, 10, 59, 59);
  grid.setCell(12, 13, Level, cell::Floor);
  grid.setCell(40, 41, Level, cell::Floor);
  grid.setCell(70, 70, Level, cell::Floor);  // outside the room: never chosen
  addRooms(Level, 0, 0, 0, 1, 1);
  addRooms(Level + 1, 1, 10, 10, 50, 50);
  placeDungeonFeatures(grid, tables, rng, Level, 2, StartupAreaSize);
  EXPECT_EQ(count(Level + 1, cell::StairsUp), 2);
  EXPECT_EQ(grid.cellAt(12, 13, Level + 1), cell::StairsUp);
  EXPECT_EQ(grid.cellAt(40, 41, Level), cell::StairsDown);
  EXPECT_EQ(grid.cellAt(70, 70, Level), cell::Floor);
}

TEST_F(DungeonFeaturesTest, LevelWithoutRoomsIsSkippedWithoutDrawing) {
  floorRect(Level, 10, 10, 59, 59);
  addRooms(Level, 0, 10, 10, 50, 50);
  rng.seed(99);
  placeDungeonFeatures(grid, tables, rng, Level, 1, StartupAreaSize);
  EXPECT_EQ(rng.state, 99u);
  EXPECT_EQ(count(Level, cell::Floor), 2500);
}

}  // namespace
}  // namespace gloam::world
