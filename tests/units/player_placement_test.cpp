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
  Rng rng;
  void SetUp() override {
    world::allocateGrid(grid);
    allocateUnitTable(units);
    std::memset(grid.level(PlayerStartLevel), cell::Wall, LevelSize);
  }
};

TEST_F(PlayerPlacementTest, FirstNonWallDrawWinsColumnDrawnFirst) {
  std::memset(grid.level(PlayerStartLevel), cell::Floor, LevelSize);
  rng.seed(1234);
  Rng expected = rng;
  const auto x = static_cast<std::uint16_t>(expected.below(254) + 1);
  const auto y = static_cast<std::uint16_t>(expected.below(254) + 1);
  ASSERT_EQ(1, placePlayerUnit(units, grid, rng));
  EXPECT_EQ(expected.state, rng.state);  // exactly two draws
  UnitRecord want{};                     // every field not named here stays zero
  want.inUse = 1, want.unitKind = 1, want.spriteSlot = 849, want.cellX = x, want.cellY = y, want.level = 2;
  want.offsetX = want.offsetY = want.offsetZ = 0.5f;
  want.maxHitPoints = want.hitPoints = 24.0f;
  EXPECT_EQ(want, units[PlayerUnitIndex]);
  EXPECT_EQ(UnitRecord{}, units[0]);
  EXPECT_EQ(UnitRecord{}, units[2]);
}

TEST_F(PlayerPlacementTest, NeverLandsOnWallOrTheOuterRing) {
  // Floor only in one column, and all of row 0 and column 255.
  for (int y = 0; y < GridSide; ++y) grid.setCell(255, y, PlayerStartLevel, cell::Floor);
  for (int x = 0; x < GridSide; ++x) grid.setCell(x, 0, PlayerStartLevel, cell::Floor);
  for (int y = 1; y < 255; ++y) grid.setCell(100, y, PlayerStartLevel, cell::Door);
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    rng.seed(seed);
    ASSERT_EQ(1, placePlayerUnit(units, grid, rng)) << seed;
    EXPECT_EQ(100, units[PlayerUnitIndex].cellX) << seed;
    EXPECT_GE(units[PlayerUnitIndex].cellY, 1);
    EXPECT_LE(units[PlayerUnitIndex].cellY, 254);
  }
}

TEST_F(PlayerPlacementTest, AllWallLeavesTheSlotEmptyAfterAThousandTries) {
  rng.seed(99);
  Rng expected = rng;
  for (int i = 0; i < 2 * PlacementTries; ++i) expected.next();
  EXPECT_EQ(0, placePlayerUnit(units, grid, rng));
  EXPECT_EQ(expected.state, rng.state);
  EXPECT_EQ(UnitRecord{}, units[PlayerUnitIndex]);
}

}  // namespace
}  // namespace gloam::units
