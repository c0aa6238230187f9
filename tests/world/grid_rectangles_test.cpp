// rectDiffers and fillArea: inclusive corners, empty rectangles, cells outside the grid.
#include <gtest/gtest.h>

#include "world/cell_codes.hpp"
#include "world/grid_rectangles.hpp"
#include "world_test_support.hpp"

namespace gloam::world {
namespace {

class GridRectanglesTest : public ::testing::Test {
 protected:
  DungeonGrid grid = testing::freshGrid();
};

TEST_F(GridRectanglesTest, MatchesOnlyWhenEveryInclusiveCellHoldsTheCode) {
  EXPECT_EQ(fillArea(grid, {10, 20, 14, 22}, 5, cell::Wall), 0);
  EXPECT_EQ(rectDiffers(grid, {10, 20, 14, 22}, 5, cell::Wall), 0);
  EXPECT_EQ(rectDiffers(grid, {10, 20, 15, 22}, 5, cell::Wall), 1);  // one column too far
  EXPECT_EQ(rectDiffers(grid, {10, 19, 14, 22}, 5, cell::Wall), 1);  // one row too far
  EXPECT_EQ(rectDiffers(grid, {10, 20, 14, 22}, 6, cell::Wall), 1);  // another level
  grid.setCell(14, 22, 5, cell::Floor);
  EXPECT_EQ(rectDiffers(grid, {10, 20, 14, 22}, 5, cell::Wall), 1);  // the very last cell
}

// Rectangles without cells never differ, even from a code the grid lacks; any cell outside the grid does.
TEST_F(GridRectanglesTest, EmptyRectanglesMatchAndCellsOutsideTheGridDiffer) {
  struct Case {
    int x0, y0, x1, y1, z;
    std::uint8_t code;
    int want;
  };
  for (const Case c : {Case{5, 5, 4, 9, 0, cell::Wall, 0}, Case{5, 5, 9, 4, 0, cell::Wall, 0},
                       Case{-5, 300, -9, 200, 999, cell::Wall, 0}, Case{0, 0, 255, 255, 0, cell::Empty, 0},
                       Case{-1, 0, 3, 3, 0, cell::Empty, 1}, Case{250, 250, 256, 252, 0, cell::Empty, 1},
                       Case{0, 255, 3, 256, 0, cell::Empty, 1}, Case{0, 0, 3, 3, -1, cell::Empty, 1},
                       Case{0, 0, 3, 3, LevelCount, cell::Empty, 1}})
    EXPECT_EQ(rectDiffers(grid, {c.x0, c.y0, c.x1, c.y1}, c.z, c.code), c.want) << c.x0 << "," << c.y0 << "," << c.z;
}

TEST_F(GridRectanglesTest, FillRefusesAnyRectangleNotAllEmpty) {
  grid.setCell(12, 12, 7, cell::Floor);
  EXPECT_EQ(fillArea(grid, {10, 10, 20, 20}, 7, cell::Wall), 1);
  EXPECT_EQ(testing::countOnLevel(grid, 7, cell::Wall), 0);
  EXPECT_EQ(fillArea(grid, {250, 250, 256, 256}, 7, cell::Wall), 1);  // reaches outside the grid
  EXPECT_EQ(testing::countOnLevel(grid, 7, cell::Wall), 0);
}

TEST_F(GridRectanglesTest, FillCoversTheWholeGridLevelExactly) {
  EXPECT_EQ(fillArea(grid, {0, 0, 255, 255}, 3, cell::Wall), 0);
  EXPECT_EQ(testing::countOnLevel(grid, 3, cell::Wall), LevelSize);
  EXPECT_EQ(testing::countOnLevel(grid, 2, cell::Wall), 0);
  EXPECT_EQ(testing::countOnLevel(grid, 4, cell::Wall), 0);
  EXPECT_EQ(fillArea(grid, {7, 7, 6, 6}, 3, cell::Floor), 0);  // no cells: nothing to refuse or write
  EXPECT_EQ(testing::countOnLevel(grid, 3, cell::Floor), 0);
}

}  // namespace
}  // namespace gloam::world
