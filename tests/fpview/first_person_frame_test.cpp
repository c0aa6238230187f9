// Whole first-person frames through the headless platform's keys and mouse: the scene shows the
// state of the previous frame, the held button steps every third frame and turns the view to
// the mouse, and what reaches the Framebuffer is the scene minus its background.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "core/keys.hpp"
#include "fpview/first_person_view.hpp"
#include "fpview/gl_fixed_state.hpp"
#include "fpview/scene_textures.hpp"
#include "gl_test_context.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview {
namespace {

class FirstPersonFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    gl = testing::headlessGl();
    ASSERT_NE(gl, nullptr);
    setScreenMode(screen, 320, 240);
    testing::makeSceneBank(bank, 40, 120, 200);
    setProjection();
    uploadSceneTextures(state, bank);
    applyFixedGlState();
    testing::buildCorridor(grid, 80, 120);
  }
  void TearDown() override {
    gl->setKey(vk::LeftButton, false);
    gl->setKey(vk::KeyZ, false);
    glDeleteTextures(SceneTextureCount, state.sceneTextures.data());
  }
  int frame(int frameCounter) {
    gl->beginFrame(frameCounter, 320, 240);
    clearFramebuffer(screen);
    drawFirstPersonView(state, screen, *gl, grid, player, view, frameCounter, 30.0f);
    int covered = 0;
    for (int i = 0; i < 320 * 240; ++i) covered += screen.framebuffer[i * 4 + 3] == 255;
    return covered;
  }

  platform::HeadlessPlatform* gl = nullptr;
  Screen screen;
  assets::SpriteBank bank;
  FirstPersonState state;
  world::DungeonGrid grid;
  units::UnitRecord player = testing::playerAt(100, 100, 2);
  world::ViewOrigin view{100, 100, 2};
};

TEST_F(FirstPersonFrame, HeldButtonTurnsTheViewOneFrameLateAndWalksEveryThirdFrame) {
  gl->setKey(vk::LeftButton, true);
  gl->setMouse(10, 90);  // yaw 20 - 2 * 10 = 0, pitch -90: level, along the corridor
  EXPECT_EQ(frame(0), 320 * 240);  // drawn looking down: the floor covers everything
  EXPECT_EQ(state.viewPitch, -90.0f);
  EXPECT_EQ(player.offsetY, 0.5f);  // the step at pitch 0 had length 0
  EXPECT_LT(frame(1), 320 * 240);   // now level: the corridor's far end is background
  EXPECT_EQ(screen.framebuffer[(118 * 320 + 160) * 4 + 3], 0);
  frame(2);
  EXPECT_EQ(player.offsetY, 0.5f);
  frame(3);
  EXPECT_NEAR(player.offsetY, 0.4f, 1e-6);
  EXPECT_EQ(player.walkPhase, 2.0f);
}

TEST_F(FirstPersonFrame, ZStepsBackEveryFrameWithoutTurning) {
  state.viewPitch = -90.0f;
  gl->setKey(vk::KeyZ, true);
  gl->setMouse(200, 10);
  for (int f = 0; f < 3; ++f) frame(f);
  EXPECT_NEAR(player.offsetY, 0.8f, 1e-6);
  EXPECT_EQ(state.viewPitch, -90.0f);  // 'Z' is not a mouse button: no look
  EXPECT_EQ(state.viewYaw, 0.0f);
}

}  // namespace
}  // namespace gloam::fpview
