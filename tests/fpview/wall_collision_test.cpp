// The wall push: the face hold at 0.3 / 0.7, the further 0.2 push, at most one diagonal push
// (which a straight wall trips too), and no collision outside the grid.
#include <gtest/gtest.h>

#include "fpview/wall_collision.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview {
namespace {

using testing::playerAt;

// The shared room: open columns and rows 95..105 on level 2, rock all round.
class WallCollision : public ::testing::Test {
 protected:
  void SetUp() override { testing::buildRoom(grid); }
  int resolve(units::UnitRecord& p) { return resolveWallCollision(grid, p, 1 - p.offsetX, p.offsetY, 1 - p.offsetZ); }
  world::DungeonGrid grid;
};

TEST_F(WallCollision, ProbeIsEmptyOutsideTheGrid) {
  grid.setCell(0, 0, 0, cell::Wall);
  const units::UnitRecord p = playerAt(0, 0, 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, p, 0.5f, 0.5f, 0.5f), cell::Wall);
  EXPECT_EQ(cellCodeNearPlayer(grid, p, -0.1f, 0.5f, 0.5f), 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, p, 0.5f, -0.1f, 0.5f), 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, p, 0.5f, 0.5f, -0.1f), 0);
  EXPECT_EQ(cellCodeNearPlayer(grid, playerAt(255, 255, 179), 0.0f, 0.0f, 1.0f), 0);
}

// Columns are mirrored: the wall at column - 1 lies on the side of growing offsetX.
TEST_F(WallCollision, FaceHoldsTheEyeAtPointThreeAndTheHoldIsStable) {
  units::UnitRecord p = playerAt(95, 95, 2);  // walls at column 94 and row 94
  p.offsetX = 0.75f;
  p.offsetY = 0.25f;
  EXPECT_EQ(resolve(p), 0);
  EXPECT_FLOAT_EQ(p.offsetX, 0.7f);
  EXPECT_FLOAT_EQ(p.offsetY, 0.3f);
  units::UnitRecord q = playerAt(105, 105, 2);  // walls at column 106 and row 106
  q.offsetX = 0.25f;
  q.offsetY = 0.75f;
  resolve(q);
  EXPECT_FLOAT_EQ(q.offsetX, 0.3f);
  EXPECT_FLOAT_EQ(q.offsetY, 0.7f);
  const units::UnitRecord held = q;
  EXPECT_EQ(resolve(q), 0);
  EXPECT_EQ(q.offsetX, held.offsetX);
  EXPECT_EQ(q.offsetY, held.offsetY);
}

TEST_F(WallCollision, WithinPointTwoPushesFurtherAndTripsTheFirstDiagonal) {
  units::UnitRecord p = playerAt(100, 95, 2);  // wall only along row 94
  p.offsetY = 0.15f;
  // Held at 0.3, then 0.2 more; the first diagonal probe (own column, row 94) finds the same
  // straight wall, so one diagonal push follows.
  EXPECT_EQ(resolve(p), 1);
  EXPECT_FLOAT_EQ(p.offsetY, 0.7f);
  EXPECT_FLOAT_EQ(p.offsetX, 0.3f);
}

TEST_F(WallCollision, CornerPushesBothAxesThenExactlyOneDiagonal) {
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
  grid.setCell(99, 100, 2, cell::Wall);
  // Passed as if the eye sat at offsetX 0.9 while the live offset is 0.5: held (-0.2), pushed
  // (-0.2), and the first diagonal probe finds the same wall (-0.2), all on the live value.
  EXPECT_EQ(resolveWallCollision(grid, p, 0.1f, p.offsetY, 1 - p.offsetZ), 1);
  EXPECT_NEAR(p.offsetX, -0.1f, 1e-6);
}

}  // namespace
}  // namespace gloam::fpview
