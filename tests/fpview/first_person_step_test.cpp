// The first-person pass step without a window or GL: which way a held button and 'Z' walk for
// each view direction, the walls stopping the walk, and a tap shorter than a pass, which both
// steps and turns the view because the step reads each button once.
#include <gtest/gtest.h>

#include "fixtures.hpp"
#include "fpview/first_person_step.hpp"
#include "platform/input_state.hpp"
#include "platform/keys.hpp"
#include "platform/null_window_platform.hpp"
#include "platform/pixel_mapping.hpp"

namespace gloam::fpview {
namespace {

using testing::playerAt;

// Keys latched as a window's are, and a cursor over one pixel of the 320x240 picture.
class Hand : public platform::NullWindowPlatform {
 public:
  platform::InputState input;
  int pixelX = 0, pixelY = 0;
  bool keyDown(int virtualKey) override { return input.read(virtualKey); }
  platform::Point cursorPos() override {
    return platform::cursorForPixel(pixelX, pixelY, windowRect(), FirstPersonMode.width, FirstPersonMode.height);
  }
};

// The 11x11 room (columns and rows 95..105 on level 2) with the eye in its middle, looking level.
class FirstPersonStep : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::buildRoom(grid);
    state.viewPitch = -90.0f;
  }
  // One pass at TickDivisor 10, where a held button steps on every pass.
  void pass(bool keysTypeText = false) {
    const FirstPersonInput in = readFirstPersonInput(hand, FirstPersonMode, keysTypeText);
    walkFirstPerson(state, {grid, player, view, frame++, 10.0f}, in);
  }
  void hold(int key, int passes) {
    hand.input.change(key, true);
    for (int i = 0; i < passes; ++i) pass();
    hand.input.change(key, false);
  }
  Hand hand;
  world::DungeonGrid grid;
  FirstPersonState state;
  units::UnitRecord player = playerAt(100, 100, 2);
  world::ViewOrigin view{100, 100, 2};
  int frame = 0;
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

// Walking on into the room's east wall (column 106) and into its corner at column 95, row 95:
// the eye never stands in a Wall cell and stops in the last open column (and row), held off the
// face. Along a straight wall the diagonal probes find it too, so the eye drifts along the face
// but never through it.
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

// A tap pressed and released between two passes counts for the whole pass: it steps (when a step
// is due) and turns the view to the mouse alike, and is gone by the next pass. 'Z' rests while a
// console types.
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
