// buildLevelLayout: which levels are copied where, which become Wall, and which are left alone.
#include <gtest/gtest.h>

#include <cstring>

#include "world/cell_codes.hpp"
#include "world/level_layout.hpp"
#include "world_test_support.hpp"

namespace gloam::world {
namespace {

std::uint8_t pattern(int x, int y, int z) { return static_cast<std::uint8_t>(x * 7 + y * 3 + z * 11); }

TEST(LevelLayoutTest, CopiesLevels33To40OntoTheEvenLevelsAndWallsTheOddOnes) {
  DungeonGrid grid = testing::freshGrid();
  for (int z = 0; z < LevelCount; ++z) {
    for (int y = 0; y < GridSide; ++y)
      for (int x = 0; x < GridSide; ++x) grid.setCell(x, y, z, pattern(x, y, z));
  }
  buildLevelLayout(grid);
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(std::memcmp(grid.level(2 + 2 * k), grid.level(33 + k), LevelSize), 0) << k;
  }
  for (int z = 1; z <= 19; z += 2) EXPECT_EQ(testing::countOnLevel(grid, z, cell::Wall), LevelSize) << z;
  // Level 0, level 18, level 20 and beyond, and the sources themselves keep what they held.
  for (int z : {0, 18, 20, 32, 33, 40, 41, 179}) {
    for (int y = 0; y < GridSide; y += 5)
      for (int x = 0; x < GridSide; x += 3) ASSERT_EQ(grid.cellAt(x, y, z), pattern(x, y, z)) << z;
  }
  EXPECT_NE(std::memcmp(grid.level(18), grid.level(41), LevelSize), 0);  // level 41 has no copy
}

}  // namespace
}  // namespace gloam::world
