// The memory half of the readback: only the exact key colour (255, 0, 229) is left out, its near
// neighbours are copied with alpha 255, and nothing is copied outside the 320x240 mode.
#include <gtest/gtest.h>

#include "fpview/scene_composite.hpp"

namespace gloam::fpview {
namespace {

void setCapture(Screen& s, int i, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  s.sceneCapture[i * 3] = r;
  s.sceneCapture[i * 3 + 1] = g;
  s.sceneCapture[i * 3 + 2] = b;
}

TEST(SceneCopy, DropsOnlyTheExactKeyColour) {
  Screen s;
  setScreenMode(s, 320, 240);
  for (int i = 0; i < 320 * 240; ++i) setCapture(s, i, 255, 0, 229);
  const std::uint8_t near[][3] = {{255, 0, 230}, {254, 0, 229}, {255, 1, 229}, {255, 0, 228}};
  for (int i = 0; i < 4; ++i) setCapture(s, i, near[i][0], near[i][1], near[i][2]);
  s.framebuffer[4 * 4] = 7;  // a key pixel leaves what was there
  copySceneIntoFramebuffer(s);
  for (int i = 0; i < 4; ++i)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(s.framebuffer[i * 4 + c], c < 3 ? near[i][c] : 255) << i;
  EXPECT_EQ(s.framebuffer[4 * 4], 7);
  int copied = 0;
  for (int i = 0; i < 320 * 240; ++i) copied += s.framebuffer[i * 4 + 3] == 255;
  EXPECT_EQ(copied, 4);
}

TEST(SceneCopy, DoesNothingOutsideThe320By240Mode) {
  Screen s;
  setScreenMode(s, 640, 480);
  for (int i = 0; i < 320 * 240; ++i) setCapture(s, i, 10, 20, 30);
  copySceneIntoFramebuffer(s);
  for (std::uint8_t b : s.framebuffer) ASSERT_EQ(b, 0);
}

}  // namespace
}  // namespace gloam::fpview
