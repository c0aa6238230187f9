// The first look on hand-built levels: level pitch, and the yaw of the longest straight run of
// open cells from the player's cell.
#include <gtest/gtest.h>

#include "comfort/first_look.hpp"
#include "support/cells.hpp"
#include "world/cell_codes.hpp"

namespace gloam::comfort {
namespace {

// Level 2 all Wall except the cells given, the player at (50, 50).
struct Level {
  world::DungeonGrid grid = gloam::testing::freshGrid();
  units::UnitRecord player = gloam::testing::unitAt(50, 50, 2);
  Level() {
    gloam::testing::fillBox(grid, 0, 0, 2, GridSide - 1, GridSide - 1, 2, cell::Wall);
    open(50, 50, 0, 0, 0);
  }
  // Opens `length` cells from (x, y) stepping (dx, dy), the start included.
  void open(int x, int y, int dx, int dy, int length) {
    for (int i = 0; i <= length; ++i) grid.setCell(x + i * dx, y + i * dy, 2, cell::Floor);
  }
};

TEST(FirstLook, FacesTheLongestOpenLineAndLooksLevel) {
  struct Case {
    int west, east, south, north;  // open cells in each direction (south is lower rows)
    float yaw;
  };
  const Case cases[] = {
      {0, 5, 3, 2, 90.0f},  {7, 5, 3, 2, 270.0f}, {1, 0, 9, 2, 0.0f},
      {0, 1, 2, 4, 180.0f}, {3, 3, 3, 3, 0.0f},  // a tie goes to the first direction of the table
  };
  for (const Case& c : cases) {
    Level l;
    l.open(50, 50, -1, 0, c.west);
    l.open(50, 50, 1, 0, c.east);
    l.open(50, 50, 0, -1, c.south);
    l.open(50, 50, 0, 1, c.north);
    fpview::FirstPersonState state;
    applyFirstLook(state, l.grid, l.player);
    EXPECT_EQ(state.viewYaw, c.yaw) << c.west << c.east << c.south << c.north;
    EXPECT_EQ(state.viewPitch, -90.0f);  // level
  }
}

TEST(FirstLook, AnOpenRunStopsAtTheEdgeOfTheGrid) {
  Level l;
  l.open(250, 50, 1, 0, 5);  // 251..255 open up to the last column
  EXPECT_EQ(openRunLength(l.grid, 250, 50, 2, 1, 0), 5);
  EXPECT_EQ(openRunLength(l.grid, 250, 50, 2, -1, 0), 0);
}

}  // namespace
}  // namespace gloam::comfort
