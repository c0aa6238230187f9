// The screen-saver view: blue noise with four rings on multiples of 50 frames, the draws in their
// fixed order, ring radius ScreenWidth / 5, and a still picture in between.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "draw/draw_test_support.hpp"
#include "views/screen_saver_view.hpp"

namespace gloam::views {
namespace {

using draw::testing::sharedTrig;

struct Ring {
  int cx, cy;
};

// Replays the draws the view makes: one per pixel, then blue, green, red, y, x per ring.
std::vector<Ring> expectedRings(Rng rng, int width, int height) {
  for (int i = 0; i < width * height; ++i) rng.next();
  std::vector<Ring> rings;
  for (int k = 0; k < 4; ++k) {
    rng.next(), rng.next(), rng.next();
    const int cy = rng.below(height);
    rings.push_back({rng.below(width), cy});
  }
  return rings;
}

void expectNoiseWithFourRings(int width, int height) {
  Screen s = draw::testing::blankScreen(width, height);
  Rng rng;
  rng.seed(77);
  const std::vector<Ring> rings = expectedRings(rng, width, height);
  drawScreenSaverView(s, rng, 0, sharedTrig());
  const double radius = width / 5;
  std::vector<int> onRing(4, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto p = draw::testing::pixelAt(s, x, y);
      ASSERT_EQ(p[3], 255);
      if (p[0] == 0 && p[1] == 0) {
        ASSERT_LT(p[2], 255);
        continue;
      }
      bool near = false;  // a coloured pixel must sit on one of the four rings
      for (int k = 0; k < 4; ++k)
        if (std::abs(std::hypot(x - rings[k].cx, y - rings[k].cy) - radius) < 1.5) near = true, ++onRing[k];
      ASSERT_TRUE(near) << x << "," << y;
    }
  for (int k = 0; k < 4; ++k) EXPECT_GT(onRing[k], 20) << "ring " << k;
}

TEST(ScreenSaverView, RenewalFrameIsBlueNoiseWithFourRingsOfAFifthTheWidth) {
  expectNoiseWithFourRings(320, 240);
  expectNoiseWithFourRings(640, 480);
}

TEST(ScreenSaverView, PictureHoldsStillForFortyNineFramesThenChanges) {
  Screen s = draw::testing::blankScreen(320, 240);
  Rng rng;
  drawScreenSaverView(s, rng, 100, sharedTrig());
  const std::vector<std::uint8_t> first = s.framebuffer;
  const std::uint32_t drawsTaken = rng.state;
  for (int frame = 101; frame < 150; ++frame) {
    clearFramebuffer(s);
    drawScreenSaverView(s, rng, frame, sharedTrig());
    ASSERT_EQ(s.framebuffer, first) << "frame " << frame;
  }
  EXPECT_EQ(rng.state, drawsTaken);
  drawScreenSaverView(s, rng, 150, sharedTrig());
  EXPECT_NE(s.framebuffer, first);
}

}  // namespace
}  // namespace gloam::views
