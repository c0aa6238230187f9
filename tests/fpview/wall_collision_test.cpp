// The probe around the PlayerUnit and the wall push: the face hold at 0.3 / 0.7, the further
// 0.2 push, one diagonal push at most (which a straight wall can trip too), and no collision
// at the edge of the world.
#include <gtest/gtest.h>

#include "fpview/wall_collision.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview {
namespace {

using testing::fillBox;
using testing::playerAt;

class WallCollision : public ::testing::Test {
 protected:
  void SetUp() override {
    world::allocateGrid(grid);
    fillBox(grid, 90, 90, 1, 110, 110, 3, cell::Wall);
    fillBox(grid, 95, 95, 2, 105, 105, 2, cell::Floor);  // an 11x11 room on level 2
  }
  int resolve(units::UnitRecord& p) {
    return resolveWallCollision(grid, p, 1 - p.offsetX, p.offsetY, 1 - p.offsetZ);
  }
  world::DungeonGrid grid;
};

TEST_F(WallCollision, ProbeFloorsEachAxisAndIsEmptyOutsideTheGrid) {
  const units::UnitRecord p = playerAt(100, 100, 2);
  EXPECT_EQ(cellCodeNearPlayer(grid, p, 0.99f, 0.0f, 0.0f), cell::Floor);
  EXPECT_EQ(cellCodeNearPlayer(grid, p, -0.01f, 0.0f, 0.0f), cell::Floor);  // column 99
  EXPECT_EQ(cellCodeNearPlayer(grid, p, 0.0f, 0.0f, 1.0f), cell::Wall);     // level 3
  EXPECT_EQ(cellCodeNearPlayer(grid, p, -5.5f, 0.0f, 0.0f), cell::Wall);    // column 94
  grid.setCell(0, 0, 0, cell::Wall);
  const units::UnitRecord corner = playerAt(0, 0, 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, corner, 0.5f, 0.5f, 0.5f), cell::Wall);
  EXPECT_EQ(cellCodeNearPlayer(grid, corner, -0.1f, 0.5f, 0.5f), 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, corner, 0.5f, -0.1f, 0.5f), 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, corner, 0.5f, 0.5f, -0.1f), 0);
  const units::UnitRecord far = playerAt(255, 255, 179);
  EXPECT_EQ(cellCodeNearPlayer(grid, far, 1.0f, 0.0f, 0.0f), 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, far, 0.0f, 1.0f, 0.0f), 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, far, 0.0f, 0.0f, 1.0f), 0);
}

TEST_F(WallCollision, EyeInTheOpenIsNotMoved) {
  units::UnitRecord p = playerAt(100, 100, 2);
  p.offsetX = 0.71f;
  p.offsetY = 0.29f;
  EXPECT_EQ(resolve(p), 0);
  EXPECT_EQ(p.offsetX, 0.71f);
  EXPECT_EQ(p.offsetY, 0.29f);
  EXPECT_EQ(p.offsetZ, 0.54f);
}

// Columns are mirrored: the wall at column - 1 lies on the side of growing offsetX.
TEST_F(WallCollision, FaceHoldsTheEyeAtPointThreeFromEachWall) {
  units::UnitRecord p = playerAt(95, 95, 2);  // the room's corner cell: walls at x - 1 and y - 1
  p.offsetX = 0.75f;
  p.offsetY = 0.25f;
  EXPECT_EQ(resolve(p), 0);
  EXPECT_FLOAT_EQ(p.offsetX, 0.7f);
  EXPECT_FLOAT_EQ(p.offsetY, 0.3f);

  units::UnitRecord q = playerAt(105, 105, 2);  // the opposite corner: walls at x + 1 and y + 1
  q.offsetX = 0.25f;
  q.offsetY = 0.75f;
  EXPECT_EQ(resolve(q), 0);
  EXPECT_FLOAT_EQ(q.offsetX, 0.3f);
  EXPECT_FLOAT_EQ(q.offsetY, 0.7f);
}

TEST_F(WallCollision, EyeWithinPointTwoIsPushedFurtherAndTripsTheFirstDiagonal) {
  units::UnitRecord p = playerAt(100, 95, 2);  // wall only along row 94
  p.offsetY = 0.15f;
  // Held at 0.3, then 0.2 more; the first diagonal probe (column own, row 94) also finds the
  // straight wall, so one diagonal push follows as well.
  EXPECT_EQ(resolve(p), 1);
  EXPECT_FLOAT_EQ(p.offsetY, 0.7f);
  EXPECT_FLOAT_EQ(p.offsetX, 0.3f);
}

TEST_F(WallCollision, HeldPositionsAreStable) {
  units::UnitRecord p = playerAt(100, 95, 2);
  p.offsetY = 0.3f;  // b - 0.3 stays just above 0 in float: still the own row
  EXPECT_EQ(resolve(p), 0);
  EXPECT_EQ(p.offsetY, 0.3f);
  units::UnitRecord q = playerAt(95, 100, 2);  // wall along column 94
  q.offsetX = 0.7f;
  EXPECT_EQ(resolve(q), 0);
  EXPECT_EQ(q.offsetX, 0.7f);
}

TEST_F(WallCollision, LoneCornerGetsOneDiagonalPush) {
  units::UnitRecord p = playerAt(100, 100, 2);
  grid.setCell(99, 99, 2, cell::Wall);  // only the diagonal neighbour is solid
  p.offsetX = 0.85f;
  p.offsetY = 0.15f;
  EXPECT_EQ(resolve(p), 1);
  EXPECT_FLOAT_EQ(p.offsetX, 0.65f);
  EXPECT_FLOAT_EQ(p.offsetY, 0.35f);
}

TEST_F(WallCollision, RoomCornerPushesBothAxesThenOneDiagonal) {
  units::UnitRecord p = playerAt(95, 95, 2);
  p.offsetX = 0.85f;
  p.offsetY = 0.15f;
  EXPECT_EQ(resolve(p), 1);
  // Axis tests: 0.85 -> 0.7 -> 0.5 and 0.15 -> 0.3 -> 0.5; then a single diagonal 0.2 each.
  EXPECT_FLOAT_EQ(p.offsetX, 0.3f);
  EXPECT_FLOAT_EQ(p.offsetY, 0.7f);
}

TEST_F(WallCollision, TestsUseThePassedValuesNotTheLiveOffsets) {
  units::UnitRecord p = playerAt(100, 100, 2);
  p.offsetX = 0.5f;
  // Pretend the eye sits at offsetX 0.9: the wall at column 99 is found although the live
  // offset is in the middle, and every push applies to the live value.
  grid.setCell(99, 100, 2, cell::Wall);
  EXPECT_EQ(resolveWallCollision(grid, p, 0.1f, p.offsetY, 1 - p.offsetZ), 1);
  // Held (-0.2), pushed (-0.2), and the first diagonal probe finds the same wall (-0.2).
  EXPECT_NEAR(p.offsetX, -0.1f, 1e-6);
  EXPECT_FLOAT_EQ(p.offsetY, 0.7f);
}

}  // namespace
}  // namespace gloam::fpview
