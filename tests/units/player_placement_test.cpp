// Start-up placement of the PlayerUnit: the draw order, the cells it may land on, its fields,
// and the empty slot left when every try hits Wall.
#include <gtest/gtest.h>

#include <cstring>

#include "units/player_placement.hpp"
#include "world/cell_codes.hpp"

namespace gloam::units {
namespace {

class PlayerPlacementTest : public ::testing::Test {
 protected:
  world::DungeonGrid grid;
  UnitTable units;
  void SetUp() override {
    world::allocateGrid(grid);
    allocateUnitTable(units);
    std::memset(grid.level(PlayerStartLevel), cell::Wall, LevelSize);
  }
};

TEST_F(PlayerPlacementTest, FirstNonWallDrawWinsColumnDrawnFirst) {
  std::memset(grid.level(PlayerStartLevel), cell::Floor, LevelSize);
  Rng rng;
  rng.seed(1234);
  Rng expected = rng;
  const int x = expected.below(254) + 1;
  const int y = expected.below(254) + 1;
  ASSERT_EQ(1, placePlayerUnit(units, grid, rng));
  const UnitRecord& p = units[PlayerUnitIndex];
  EXPECT_EQ(x, p.cellX);
  EXPECT_EQ(y, p.cellY);
  EXPECT_EQ(expected.state, rng.state);  // exactly two draws
  EXPECT_EQ(PlayerStartLevel, p.level);
  EXPECT_EQ(1, p.inUse);
  EXPECT_EQ(1, p.unitKind);
  EXPECT_EQ(849, p.spriteSlot);
  EXPECT_EQ(24.0f, p.hitPoints);
  EXPECT_EQ(24.0f, p.maxHitPoints);
  EXPECT_EQ(0.5f, p.offsetX);
  EXPECT_EQ(0.5f, p.offsetY);
  EXPECT_EQ(0.5f, p.offsetZ);
  EXPECT_EQ(0, p.moving);
  EXPECT_EQ(0, p.disabled);
  EXPECT_EQ(0, p.barStyle);
  EXPECT_EQ(0, units[0].inUse);
  EXPECT_EQ(0, units[2].inUse);
}

TEST_F(PlayerPlacementTest, NeverLandsOnWallOrTheOuterRing) {
  // Floor only in a few columns, and all of row 0, column 255 and the other level.
  for (int y = 0; y < GridSide; ++y) grid.setCell(255, y, PlayerStartLevel, cell::Floor);
  for (int x = 0; x < GridSide; ++x) grid.setCell(x, 0, PlayerStartLevel, cell::Floor);
  for (int y = 1; y < 255; ++y) grid.setCell(100, y, PlayerStartLevel, cell::Door);
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    Rng rng;
    rng.seed(seed);
    units[PlayerUnitIndex] = {};
    ASSERT_EQ(1, placePlayerUnit(units, grid, rng)) << seed;
    EXPECT_EQ(100, units[PlayerUnitIndex].cellX) << seed;
    EXPECT_GE(units[PlayerUnitIndex].cellY, 1);
    EXPECT_LE(units[PlayerUnitIndex].cellY, 254);
  }
}

TEST_F(PlayerPlacementTest, AllWallLeavesTheSlotEmptyAfterAThousandTries) {
  Rng rng;
  rng.seed(99);
  Rng expected = rng;
  for (int i = 0; i < 2 * PlacementTries; ++i) expected.next();
  EXPECT_EQ(0, placePlayerUnit(units, grid, rng));
  EXPECT_EQ(expected.state, rng.state);
  EXPECT_EQ(0, units[PlayerUnitIndex].inUse);
  EXPECT_EQ(0, units[PlayerUnitIndex].cellX);
  EXPECT_EQ(0, units[PlayerUnitIndex].level);
}

}  // namespace
}  // namespace gloam::units
