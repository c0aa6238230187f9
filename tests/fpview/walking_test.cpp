// Walking without GL: the step, its pacing, the bob, the carry across cell edges, the mouse look and
// the wall push; then the pass step driven by a hand on the buttons and keys.
#include <gtest/gtest.h>

#include <tuple>

#include "fixtures.hpp"
#include "fpview/eye_motion.hpp"
#include "fpview/first_person_step.hpp"
#include "fpview/wall_collision.hpp"
#include "platform/keys.hpp"

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
  // The sine is stored as a float before the pitch scales it; kept in double, this would be 0.09510564804.
  EXPECT_EQ(stepVector(0.0f, -72.0f).dy, 0.09510565549135208f);
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

// The open room, the ViewOrigin standing above its rock floor.
class InRoom : public ::testing::Test {
 protected:
  void SetUp() override { testing::buildRoom(grid); }
  void frame(int frameCounter, bool left, bool back) {
    moveEye(state, grid, player, view, MotionInput{left, back, frameCounter, 30.0f});
  }
  int resolve(units::UnitRecord& p) { return resolveWallCollision(grid, p, 1 - p.offsetX, p.offsetY, 1 - p.offsetZ); }
  world::DungeonGrid grid;
  FirstPersonState state;
  units::UnitRecord player = playerAt(100, 100, 2);
  world::ViewOrigin view{100, 100, 2};
};
using EyeMotion = InRoom;
using WallCollision = InRoom;

TEST_F(EyeMotion, PitchZeroStepKeepsThePlaceButMovesThePhaseAndBob) {
  frame(0, true, false);
  EXPECT_EQ(std::tie(player.offsetX, player.offsetY), std::make_tuple(0.5f, 0.5f));
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
  EXPECT_EQ(std::tie(view.sx, view.sy, view.sz), std::make_tuple(100, 100, 2));
  EXPECT_EQ(std::tie(player.offsetX, player.offsetY), std::make_tuple(0.5f, 0.5f));
  EXPECT_EQ(player.offsetZ, eyeHeight(0.0f));  // reset to 0.5, then the bob sets the height
}

TEST(CarryIntoNeighbourCell, MirrorsColumnsAndStaysOnTheGrid) {
  units::UnitRecord p = playerAt(10, 10, 2, 1.25f, -0.25f);
  carryIntoNeighbourCell(p);
  EXPECT_EQ(std::tie(p.cellX, p.cellY), std::make_tuple(9, 9));
  EXPECT_EQ(std::tie(p.offsetX, p.offsetY), std::make_tuple(0.25f, 0.75f));
  units::UnitRecord edge = playerAt(0, 255, 2, 1.5f, 1.5f);
  carryIntoNeighbourCell(edge);
  EXPECT_EQ(std::tie(edge.cellX, edge.cellY), std::make_tuple(0, 255));
  EXPECT_EQ(std::tie(edge.offsetX, edge.offsetY), std::make_tuple(0.5f, 0.5f));
}

TEST(MouseLook, SetsAnglesFromThePositionOnlyWhileAButtonIsHeld) {
  FirstPersonState s;
  applyMouseLook(s, false, 100, 100);
  EXPECT_EQ(s.viewYaw, 0.0f);
  applyMouseLook(s, true, 4, 90);
  EXPECT_EQ(std::tie(s.viewYaw, s.viewPitch), std::make_tuple(12.0f, -90.0f));  // two degrees a pixel
}

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
TEST_F(WallCollision, HoldsAtPointThreePushesWithinPointTwoAndAtMostOneDiagonal) {
  const struct {
    int x, y;
    float ox, oy;
    int diagonals;
    float wantX, wantY;
    const char* what;
  } cases[] = {
      {95, 95, 0.75f, 0.25f, 0, 0.7f, 0.3f, "walls at column 94 and row 94: held at both faces"},
      {105, 105, 0.25f, 0.75f, 0, 0.3f, 0.7f, "walls at column 106 and row 106: held at both faces"},
      // Held at 0.3, then 0.2 more; the first diagonal probe (own column, row 94) finds the same
      // straight wall, so one diagonal push follows.
      {100, 95, 0.5f, 0.15f, 1, 0.3f, 0.7f, "wall only along row 94, the eye within 0.2 of it"},
      // Axis tests: 0.85 -> 0.7 -> 0.5 and 0.15 -> 0.3 -> 0.5; then a single diagonal 0.2 each.
      {95, 95, 0.85f, 0.15f, 1, 0.3f, 0.7f, "corner, the eye within 0.2 of both walls"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    units::UnitRecord p = playerAt(c.x, c.y, 2, c.ox, c.oy);
    EXPECT_EQ(resolve(p), c.diagonals);
    EXPECT_FLOAT_EQ(p.offsetX, c.wantX);
    EXPECT_FLOAT_EQ(p.offsetY, c.wantY);
    if (c.diagonals > 0) continue;
    const units::UnitRecord held = p;  // the hold is stable
    EXPECT_EQ(resolve(p), 0);
    EXPECT_EQ(std::tie(p.offsetX, p.offsetY), std::tie(held.offsetX, held.offsetY));
  }
}

TEST_F(WallCollision, TestsUseThePassedValuesNotTheLiveOffsets) {
  units::UnitRecord p = playerAt(100, 100, 2);
  grid.setCell(99, 100, 2, cell::Wall);
  // Passed as if the eye sat at offsetX 0.9 while the live offset is 0.5: held (-0.2), pushed
  // (-0.2), and the first diagonal probe finds the same wall (-0.2), all on the live value.
  EXPECT_EQ(resolveWallCollision(grid, p, 0.1f, p.offsetY, 1 - p.offsetZ), 1);
  EXPECT_NEAR(p.offsetX, -0.1f, 1e-6);
}

// The eye looking level in the room; one pass at TickDivisor 10, where a held button steps every pass.
class FirstPersonStep : public InRoom {
 protected:
  void SetUp() override {
    InRoom::SetUp();
    state.viewPitch = -90.0f;
  }
  void pass(bool keysTypeText = false) {
    const FirstPersonInput in = readFirstPersonInput(hand, FirstPersonMode, keysTypeText);
    walkFirstPerson(state, {grid, player, view, passes++, 10.0f}, in);
  }
  void hold(int key, int count) {
    hand.input.change(key, true);
    for (int i = 0; i < count; ++i) pass();
    hand.input.change(key, false);
  }
  testing::Hand hand;
  int passes = 0;
};

// Columns run mirrored on screen, so yaw 90 walks to the higher column; 20 steps of 0.1 cell
// carry the eye two cells.
TEST_F(FirstPersonStep, TheLeftButtonWalksAlongTheViewAndZBackTwoCellsInTwentyPasses) {
  const struct {
    float yaw;
    int dx, dy;
  } cases[] = {{0.0f, 0, -1}, {90.0f, 1, 0}, {180.0f, 0, 1}, {270.0f, -1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.yaw);
    player = playerAt(100, 100, 2);
    state.viewYaw = c.yaw;
    hold(vk::LeftButton, 20);
    EXPECT_EQ(player.cellX, 100 + 2 * c.dx);
    EXPECT_EQ(player.cellY, 100 + 2 * c.dy);
    hold(vk::KeyZ, 40);
    EXPECT_EQ(player.cellX, 100 - 2 * c.dx);
    EXPECT_EQ(player.cellY, 100 - 2 * c.dy);
    EXPECT_EQ(player.level, 2);
    EXPECT_EQ(std::tie(view.sx, view.sy, view.sz), std::make_tuple(100, 100, 2));  // the ground held
  }
}

// Along a straight wall the eye drifts but never goes through; it is held off the face.
TEST_F(FirstPersonStep, WallsStopTheWalkInTheLastOpenCell) {
  const struct {
    float yaw;
    int lastX, lastY;  // -1: any open row
  } cases[] = {{90.0f, 105, -1}, {270.0f, 95, -1}, {315.0f, 95, 95}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.yaw);
    player = playerAt(100, 100, 2);
    state.viewYaw = c.yaw;
    hand.input.change(vk::LeftButton, true);
    for (int i = 0; i < 150; ++i) {
      pass();
      ASSERT_NE(grid.cellAt(player.cellX, player.cellY, player.level), cell::Wall) << "pass " << i;
    }
    hand.input.change(vk::LeftButton, false);
    EXPECT_EQ(player.cellX, c.lastX);
    if (c.lastY >= 0) {
      EXPECT_EQ(player.cellY, c.lastY);
    }
    EXPECT_GE(player.offsetX, 0.3f - 1e-6f);  // held at 0.3 from a face, or pushed further in
    EXPECT_LE(player.offsetX, 0.7f + 1e-6f);
    EXPECT_GE(player.offsetY, 0.3f - 1e-6f);
    EXPECT_LE(player.offsetY, 0.7f + 1e-6f);
  }
}

TEST_F(FirstPersonStep, ATapIsOnePressForTheWalkAndTheLookAlikeAndZRestsWhileTheKeysTypeText) {
  hand.pixelX = 10;
  hand.pixelY = 45;
  hand.input.change(vk::LeftButton, true);
  hand.input.change(vk::LeftButton, false);
  const FirstPersonInput in = readFirstPersonInput(hand, FirstPersonMode, false);
  EXPECT_TRUE(in.walkDown);
  EXPECT_TRUE(in.lookDown);
  EXPECT_EQ(std::tie(in.mouseX, in.mouseY), std::make_tuple(10, 45));
  EXPECT_FALSE(readFirstPersonInput(hand, FirstPersonMode, false).lookDown);  // seen once only

  hand.input.change(vk::KeyZ, true);
  EXPECT_FALSE(readFirstPersonInput(hand, FirstPersonMode, true).backDown);
  EXPECT_TRUE(readFirstPersonInput(hand, FirstPersonMode, false).backDown);
}

}  // namespace
}  // namespace gloam::fpview
