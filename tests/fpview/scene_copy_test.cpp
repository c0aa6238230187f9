// The memory half of the readback: which captured pixels reach the Framebuffer. The key test is
// exact: only (255, 0, 229) is left out; its near neighbours are copied.
#include <gtest/gtest.h>

#include "fpview/scene_composite.hpp"

namespace gloam::fpview {
namespace {

void setCapturePixel(Screen& s, int i, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  s.sceneCapture[i * 3] = r;
  s.sceneCapture[i * 3 + 1] = g;
  s.sceneCapture[i * 3 + 2] = b;
}

const std::uint8_t* fbPixel(const Screen& s, int i) { return s.framebuffer.data() + i * 4; }

TEST(SceneCopy, DropsOnlyTheExactKeyColour) {
  Screen s;
  setScreenMode(s, 320, 240);
  for (int i = 0; i < 320 * 240; ++i) setCapturePixel(s, i, 255, 0, 229);
  setCapturePixel(s, 0, 255, 0, 230);
  setCapturePixel(s, 1, 254, 0, 229);
  setCapturePixel(s, 2, 255, 1, 229);
  setCapturePixel(s, 3, 255, 0, 228);
  setCapturePixel(s, 320 * 240 - 1, 0, 0, 0);  // black is scene too, with alpha 255
  s.framebuffer[4 * 4 + 0] = 7;                 // a key pixel leaves what was there
  copySceneIntoFramebuffer(s);

  const std::uint8_t want[][4] = {{255, 0, 230, 255}, {254, 0, 229, 255}, {255, 1, 229, 255}, {255, 0, 228, 255}};
  for (int i = 0; i < 4; ++i) {
    for (int c = 0; c < 4; ++c) EXPECT_EQ(fbPixel(s, i)[c], want[i][c]) << "pixel " << i;
  }
  EXPECT_EQ(fbPixel(s, 4)[0], 7);
  int copied = 0;
  for (int i = 0; i < 320 * 240; ++i) copied += fbPixel(s, i)[3] == 255;
  EXPECT_EQ(copied, 5);
  EXPECT_EQ(fbPixel(s, 320 * 240 - 1)[3], 255);
}

TEST(SceneCopy, CopiesRowsInFramebufferOrder) {
  Screen s;
  setScreenMode(s, 320, 240);
  for (int i = 0; i < 320 * 240; ++i) setCapturePixel(s, i, static_cast<std::uint8_t>(i % 320 % 200),
                                                      static_cast<std::uint8_t>(i / 320), 1);
  copySceneIntoFramebuffer(s);
  EXPECT_EQ(fbPixel(s, 239 * 320 + 17)[0], 17);
  EXPECT_EQ(fbPixel(s, 239 * 320 + 17)[1], 239);
}

TEST(SceneCopy, DoesNothingOutsideThe320By240Mode) {
  Screen s;
  setScreenMode(s, 640, 480);
  for (int i = 0; i < 320 * 240; ++i) setCapturePixel(s, i, 10, 20, 30);
  copySceneIntoFramebuffer(s);
  for (std::uint8_t b : s.framebuffer) ASSERT_EQ(b, 0);
}

}  // namespace
}  // namespace gloam::fpview
