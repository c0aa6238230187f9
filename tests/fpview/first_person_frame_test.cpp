// A whole first-person frame with a held button and the mouse: the scene shows the
// state of the previous frame, the held button steps every third frame and turns the view to
// the mouse, and the background never reaches the Framebuffer.
#include "fpview/first_person_view.hpp"
#include "platform/keys.hpp"
#include "platform/null_window_platform.hpp"
#include "platform/pixel_mapping.hpp"
#include "scene_gl_fixture.hpp"

namespace gloam::fpview {
namespace {

// The player's hand: a held mouse button and a cursor over one Framebuffer pixel of a 640x480
// window showing the 320x240 view.
class Controls : public platform::NullWindowPlatform {
 public:
  bool leftButton = false;
  int pixelX = 0, pixelY = 0;
  bool keyDown(int virtualKey) override { return virtualKey == vk::LeftButton && leftButton; }
  platform::Point cursorPos() override { return platform::cursorForPixel(pixelX, pixelY, windowRect(), 320, 240); }
};

class FirstPersonFrame : public testing::SceneGl {
 protected:
  int frame(int frameCounter) {
    clearFramebuffer(screen);
    drawFirstPersonView(state, screen, controls, {grid, player, view, frameCounter, 30.0f});
    int covered = 0;
    for (int i = 0; i < 320 * 240; ++i) covered += screen.framebuffer[i * 4 + 3] == 255;
    return covered;
  }
  world::ViewOrigin view{100, 100, 2};
  Controls controls;
};

TEST_F(FirstPersonFrame, HeldButtonTurnsTheViewOneFrameLateAndWalksEveryThirdFrame) {
  testing::buildCorridor(grid, 80, 120);
  controls.leftButton = true;
  controls.pixelX = 10;
  controls.pixelY = 90;            // yaw 20 - 2 * 10 = 0, pitch -90: level, along the corridor
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

}  // namespace
}  // namespace gloam::fpview
