// Walking without GL: step length and direction, pacing by TickDivisor, the ground test's snap
// back, the eye-height bob, the clamped carry across cell edges and the mouse look.
#include <gtest/gtest.h>

#include "fpview/eye_motion.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview {
namespace {

using testing::playerAt;

TEST(StepVector, ZeroLookingStraightDownPointOneTimesSinePitchOtherwise) {
  for (float yaw : {0.0f, 37.0f, -200.0f}) {
    EXPECT_EQ(stepVector(yaw, 0.0f).dx, 0.0f);
    EXPECT_EQ(stepVector(yaw, 0.0f).dy, 0.0f);
  }
  EXPECT_NEAR(stepVector(0.0f, -90.0f).dx, 0.0f, 1e-7);  // yaw 0 walks towards lower rows
  EXPECT_FLOAT_EQ(stepVector(0.0f, -90.0f).dy, 0.1f);
  EXPECT_FLOAT_EQ(stepVector(90.0f, -90.0f).dx, 0.1f);
  EXPECT_FLOAT_EQ(stepVector(0.0f, -30.0f).dy, 0.05f);
}

TEST(ForwardStepDue, EveryTickDivisorOverTenFrames) {
  const struct {
    float divisor;
    int every;
  } cases[] = {{10.0f, 1}, {30.0f, 3}, {60.0f, 6}};
  for (const auto& c : cases)
    for (int f = 0; f < 13; ++f) EXPECT_EQ(forwardStepDue(f, c.divisor), f % c.every == 0) << c.divisor << " " << f;
}

TEST(EyeHeight, IsPointFiftyFourAtRestAndStaysInItsBand) {
  EXPECT_EQ(eyeHeight(0.0f), 0.54f);
  for (float phase = -20.0f; phase < 20.0f; phase += 0.37f) {
    EXPECT_GE(eyeHeight(phase), 0.516f - 1e-6f);
    EXPECT_LE(eyeHeight(phase), 0.564f + 1e-6f);
  }
}

// An open room on level 2 with rock below it; the ViewOrigin stands above that rock.
class EyeMotion : public ::testing::Test {
 protected:
  void SetUp() override { testing::buildRoom(grid); }
  void frame(int frameCounter, bool left, bool back) {
    moveEye(state, grid, player, view, MotionInput{left, back, frameCounter, 30.0f});
  }
  world::DungeonGrid grid;
  FirstPersonState state;
  units::UnitRecord player = playerAt(100, 100, 2);
  world::ViewOrigin view{100, 100, 2};
};

TEST_F(EyeMotion, PitchZeroStepKeepsThePlaceButMovesThePhaseAndBob) {
  frame(0, true, false);
  EXPECT_EQ(player.offsetX, 0.5f);
  EXPECT_EQ(player.offsetY, 0.5f);
  EXPECT_EQ(player.walkPhase, 1.0f);
  EXPECT_EQ(player.offsetZ, eyeHeight(1.0f));
  EXPECT_EQ(player.prevOffsetZ, 0.54f);
}

TEST_F(EyeMotion, GroundTestRemembersSolidGroundAndSnapsBackOffIt) {
  frame(0, true, false);
  view = {20, 30, 2};  // moved by the scroll keys to where nothing lies below
  player.offsetX = 0.8f;
  player.offsetY = 0.2f;
  frame(1, false, true);
  EXPECT_EQ(view.sx, 100);
  EXPECT_EQ(view.sy, 100);
  EXPECT_EQ(view.sz, 2);
  EXPECT_EQ(player.offsetX, 0.5f);
  EXPECT_EQ(player.offsetY, 0.5f);
  EXPECT_EQ(player.offsetZ, eyeHeight(0.0f));  // reset to 0.5, then the bob sets the height
}

TEST(CarryIntoNeighbourCell, MirrorsColumnsAndStaysOnTheGrid) {
  units::UnitRecord p = playerAt(10, 10, 2);
  p.offsetX = 1.25f;
  p.offsetY = -0.25f;
  carryIntoNeighbourCell(p);
  EXPECT_EQ(p.cellX, 9);
  EXPECT_EQ(p.cellY, 9);
  EXPECT_EQ(p.offsetX, 0.25f);
  EXPECT_EQ(p.offsetY, 0.75f);
  units::UnitRecord edge = playerAt(0, 255, 2);
  edge.offsetX = 1.5f;
  edge.offsetY = 1.5f;
  carryIntoNeighbourCell(edge);
  EXPECT_EQ(edge.cellX, 0);
  EXPECT_EQ(edge.cellY, 255);
  EXPECT_EQ(edge.offsetX, 0.5f);
}

TEST(MouseLook, SetsAnglesFromThePositionOnlyWhileAButtonIsHeld) {
  FirstPersonState s;
  applyMouseLook(s, false, 100, 100);
  EXPECT_EQ(s.viewYaw, 0.0f);
  applyMouseLook(s, true, 0, 90);
  EXPECT_EQ(s.viewYaw, 20.0f);
  EXPECT_EQ(s.viewPitch, -90.0f);
}

}  // namespace
}  // namespace gloam::fpview
