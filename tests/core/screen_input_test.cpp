// The pixel clip is the place every picture passes through; its edges are where it breaks.
#include <gtest/gtest.h>

#include "core/screen.hpp"

namespace gloam {
namespace {

int alphaAt(const Screen& s, int x, int y) { return s.framebuffer[(y * s.mode.width + x) * 4 + 3]; }

TEST(PutPixel, WritesInsideAndDropsEveryPixelOutside) {
  Screen s;
  setScreenMode(s, 320, 240);
  putPixel(s, -1, 0, 9, 9, 9);
  putPixel(s, 320, 0, 9, 9, 9);
  putPixel(s, 0, 240, 9, 9, 9);
  putPixel(s, 0, -1, 9, 9, 9);
  for (std::uint8_t b : s.framebuffer) ASSERT_EQ(b, 0);
  putPixel(s, 0, 0, 1, 2, 3);
  EXPECT_EQ(s.framebuffer[0], 1);
  EXPECT_EQ(s.framebuffer[2], 3);
  EXPECT_EQ(alphaAt(s, 0, 0), 255);
  putPixel(s, 319, 239, 4, 5, 6);
  EXPECT_EQ(s.framebuffer[(239 * 320 + 319) * 4], 4);
}

TEST(ScreenMode, ModeChangeLeavesBuffersOfTheNewSizeAndClearZeroesAlpha) {
  Screen s;
  setScreenMode(s, 640, 480);
  setScreenMode(s, 320, 240);
  EXPECT_EQ(s.framebuffer.size(), 320u * 240u * 4u);
  EXPECT_EQ(s.sceneCapture.size(), 320u * 240u * 4u);
  putPixel(s, 5, 5, 255, 255, 255);
  clearFramebuffer(s);
  for (std::uint8_t b : s.framebuffer) ASSERT_EQ(b, 0);
}

}  // namespace
}  // namespace gloam
