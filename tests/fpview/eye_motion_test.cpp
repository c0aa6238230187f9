// Walking without GL: step direction and length, pacing by TickDivisor, the ground test's snap
// back, the eye-height bob, the carry across cell edges and the mouse look.
#include <gtest/gtest.h>

#include <cmath>

#include "fpview/eye_motion.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview {
namespace {

using testing::fillBox;
using testing::playerAt;

// An open 11x11 room on level 2 with solid ground below, ViewOrigin above that ground.
class EyeMotion : public ::testing::Test {
 protected:
  void SetUp() override {
    world::allocateGrid(grid);
    fillBox(grid, 90, 90, 1, 110, 110, 3, cell::Wall);
    fillBox(grid, 95, 95, 2, 105, 105, 2, cell::Floor);
    view = {100, 100, 2};
  }
  void frame(int frameCounter, bool left, bool back = false, float tickDivisor = 30.0f) {
    moveEye(state, grid, player, view, MotionInput{left, back, frameCounter, tickDivisor});
  }
  world::DungeonGrid grid;
  FirstPersonState state;
  units::UnitRecord player = playerAt(100, 100, 2);
  world::ViewOrigin view;
};

TEST(StepVector, IsZeroLookingStraightDownAndPointOneLookingLevel) {
  for (float yaw : {0.0f, 37.0f, -200.0f}) {
    const StepVector s = stepVector(yaw, 0.0f);
    EXPECT_EQ(s.dx, 0.0f);
    EXPECT_EQ(s.dy, 0.0f);
  }
  const StepVector level = stepVector(0.0f, -90.0f);  // yaw 0 walks towards lower rows
  EXPECT_NEAR(level.dx, 0.0f, 1e-7);
  EXPECT_FLOAT_EQ(level.dy, 0.1f);
  const StepVector side = stepVector(90.0f, -90.0f);
  EXPECT_FLOAT_EQ(side.dx, 0.1f);
  EXPECT_NEAR(side.dy, 0.0f, 1e-7);
  const StepVector half = stepVector(0.0f, -30.0f);  // 0.1 x |sin(pitch)|
  EXPECT_FLOAT_EQ(half.dy, 0.05f);
}

TEST(ForwardStepDue, FollowsTickDivisorOverTen) {
  const struct {
    float divisor;
    int every;
  } cases[] = {{10.0f, 1}, {30.0f, 3}, {60.0f, 6}};
  for (const auto& c : cases) {
    for (int f = 0; f < 13; ++f) EXPECT_EQ(forwardStepDue(f, c.divisor), f % c.every == 0) << c.divisor << " " << f;
  }
}

TEST(EyeHeight, BobsAroundPointFiftyFour) {
  EXPECT_EQ(eyeHeight(0.0f), 0.54f);
  EXPECT_FLOAT_EQ(eyeHeight(1.0f), static_cast<float>(0.54 + 0.024 * std::sin(1.5)));
  for (float phase = -20.0f; phase < 20.0f; phase += 0.37f) {
    EXPECT_GE(eyeHeight(phase), 0.516f - 1e-6f);
    EXPECT_LE(eyeHeight(phase), 0.564f + 1e-6f);
  }
}

TEST_F(EyeMotion, PitchZeroStepsKeepThePlaceButMoveThePhaseAndBob) {
  frame(0, true);
  EXPECT_EQ(player.offsetX, 0.5f);
  EXPECT_EQ(player.offsetY, 0.5f);
  EXPECT_EQ(player.walkPhase, 1.0f);
  EXPECT_EQ(player.offsetZ, eyeHeight(1.0f));
  EXPECT_EQ(player.prevOffsetZ, 0.54f);
}

TEST_F(EyeMotion, HeldButtonStepsEveryThirdFrameAndZEveryFrame) {
  state.viewPitch = -90.0f;
  for (int f = 0; f < 6; ++f) frame(f, true);
  EXPECT_EQ(player.walkPhase, 2.0f);  // frames 0 and 3
  EXPECT_NEAR(player.offsetY, 0.3f, 1e-6);
  for (int f = 6; f < 10; ++f) frame(f, false, true);
  EXPECT_EQ(player.walkPhase, -2.0f);
  EXPECT_NEAR(player.offsetY, 0.7f, 1e-6);
  EXPECT_EQ(player.cellY, 100);
}

TEST_F(EyeMotion, StepAcrossACellEdgeCarriesIntoTheNextRow) {
  state.viewPitch = -90.0f;
  player.offsetY = 0.05f;
  frame(0, true);
  EXPECT_EQ(player.cellY, 99);
  EXPECT_NEAR(player.offsetY, 0.95f, 1e-6);
}

TEST_F(EyeMotion, WalkingIntoAWallIsHeldAtPointThree) {
  state.viewPitch = -90.0f;
  player.cellY = 95;  // first row of the room; row 94 is Wall
  for (int f = 0; f < 30; f += 3) {
    frame(f, true);
    EXPECT_GE(player.offsetY, 0.3f - 1e-6f) << f;
  }
  EXPECT_EQ(player.cellY, 95);
}

TEST_F(EyeMotion, GroundTestRemembersSolidGroundAndSnapsBackOffIt) {
  frame(0, true);
  EXPECT_EQ(state.lastGroundedOrigin.sx, 100);
  EXPECT_EQ(state.lastGroundedOrigin.sz, 2);
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

TEST_F(EyeMotion, GroundTestStartsFromItsInitialOrigin) {
  view = {20, 30, 2};
  frame(0, false, true);
  EXPECT_EQ(view.sx, 1);
  EXPECT_EQ(view.sy, 1);
  EXPECT_EQ(view.sz, 28);
}

TEST(CarryIntoNeighbourCell, MirrorsColumnsAndStaysOnTheGrid) {
  units::UnitRecord p = playerAt(10, 10, 2);
  p.offsetX = 1.25f;
  p.offsetY = 1.25f;
  carryIntoNeighbourCell(p);
  EXPECT_EQ(p.cellX, 9);
  EXPECT_EQ(p.cellY, 11);
  EXPECT_EQ(p.offsetX, 0.25f);
  EXPECT_EQ(p.offsetY, 0.25f);
  p.offsetX = -0.25f;
  p.offsetY = -0.25f;
  carryIntoNeighbourCell(p);
  EXPECT_EQ(p.cellX, 10);
  EXPECT_EQ(p.cellY, 10);
  EXPECT_EQ(p.offsetX, 0.75f);

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
  EXPECT_EQ(s.viewPitch, 0.0f);
  applyMouseLook(s, true, 10, 90);
  EXPECT_EQ(s.viewYaw, 0.0f);
  EXPECT_EQ(s.viewPitch, -90.0f);
  applyMouseLook(s, true, 0, 0);
  EXPECT_EQ(s.viewYaw, 20.0f);
  EXPECT_EQ(s.viewPitch, 0.0f);
}

}  // namespace
}  // namespace gloam::fpview
