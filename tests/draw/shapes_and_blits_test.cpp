// Lines, circles, and the fast blits against the literal one-putPixel-per-picture-pixel oracle.
#include <gtest/gtest.h>

#include <cmath>

#include "draw/circle.hpp"
#include "draw/draw_test_support.hpp"
#include "draw/line.hpp"
#include "draw/literal_blit.hpp"
#include "draw/sprite_blit.hpp"

namespace gloam::draw {
namespace {

using testing::blankScreen;
using testing::inkedPixels;
using testing::makePicture;
using testing::PixelSet;
using testing::sharedTrig;

PixelSet line(int x0, int y0, int x1, int y1) {
  Screen s = blankScreen(32, 32);
  drawLine(s, x0, y0, x1, y1, {255, 255, 255});
  return inkedPixels(s);
}

TEST(DrawLine, ShallowLineStepsOnEverySecondColumn) {
  EXPECT_EQ(line(0, 0, 10, 5),
            (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}, {8, 4}, {9, 4}, {10, 5}}));
}

TEST(DrawLine, HorizontalIsSymmetricAPointIsOnePixelAndOffScreenPartsAreDropped) {
  EXPECT_EQ(line(0, 0, 5, 0), line(5, 0, 0, 0));
  EXPECT_EQ(line(0, 0, 5, 0).size(), 6u);
  EXPECT_EQ(line(3, 4, 3, 4), (PixelSet{{3, 4}}));
  EXPECT_EQ(line(-5, 31, 5, 31).size(), 6u);  // x = 0..5 of the eleven pixels are on screen
}

PixelSet circle(double cx, double cy, double radius, int width = 64, int height = 64) {
  Screen s = blankScreen(width, height);
  drawCircle(s, sharedTrig(), cx, cy, radius, {255, 255, 255});
  return inkedPixels(s);
}

// A radius of zero or less is one pixel at the truncated centre; one above the limit is the limit.
TEST(DrawCircle, RadiiAreClampedToOnePixelAndToTheLimitCircle) {
  EXPECT_EQ(circle(10.9, 20.7, -5.0), (PixelSet{{10, 20}}));
  EXPECT_EQ(circle(10.9, 20.7, 0.0), (PixelSet{{10, 20}}));
  // Centred so the circle's lowest point is the screen's bottom-left pixel.
  const PixelSet limit = circle(0.0, 9999.0, 9999.0);
  ASSERT_TRUE(limit.count({0, 0}));
  EXPECT_EQ(circle(0.0, 9999.0, 25000.0), limit);
}

TEST(DrawCircle, OutlineStartsBelowTheCentreAndIsMirrored) {
  const PixelSet ink = circle(30.5, 30.5, 12.0);
  EXPECT_TRUE(ink.count({30, 18}));  // a = 0 lies at (icx, icy - radius)
  for (const auto& [x, y] : ink) {
    EXPECT_TRUE(ink.count({60 - x, y})) << x << "," << y;
    const double d = std::hypot(x - 30, y - 30);
    EXPECT_NEAR(d, 12.0, 1.5);
  }
  EXPECT_GE(ink.size(), 60u);  // a closed outline: at least one pixel per unit of circumference / 1.3
}

TEST(DrawCircle, NothingWithoutTablesAndTheSceneVariantWritesOnlyTheScene) {
  Screen s = blankScreen(64, 64);
  const assets::TrigTables none;
  drawCircle(s, none, 32.0, 32.0, 10.0, {255, 255, 255});
  EXPECT_TRUE(inkedPixels(s).empty());
  drawSceneCircle(s, sharedTrig(), 32.0, 32.0, 10.0, {255, 255, 255});
  EXPECT_TRUE(inkedPixels(s).empty());
  EXPECT_EQ(inkedPixels(s, true), circle(32.0, 32.0, 10.0));
}

assets::SpriteBank bankWith(assets::SpriteSlot picture, int slot = 5) {
  assets::SpriteBank bank;
  bank.slots = std::make_unique<assets::SpriteSlot[]>(SpriteSlotCount);
  bank[slot] = std::move(picture);
  return bank;
}

TEST(SpriteBlit, MatchesTheLiteralOracleWhereverThePictureLands) {
  // A tile, an odd width, a picture whose buffer ends before its square does and one whose buffer
  // holds more than its square (the width decides the square).
  const assets::SpriteSlot pictures[] = {makePicture(16, 16, 3, true), makePicture(7, 7, 4, true),
                                         makePicture(13, 9, 5, true), makePicture(4, 10, 6, true)};
  const int places[][2] = {{0, 0}, {7, 9}, {-5, 3}, {30, -9}, {20, 25}, {-16, 0}, {40, 40}, {-3, -4}};
  for (const assets::SpriteSlot& picture : pictures) {
    const assets::SpriteBank bank = bankWith(picture);
    for (const bool keyed : {false, true}) {
      for (const auto& [x, y] : places) {
        Screen fast = blankScreen(36, 32), slow = blankScreen(36, 32);
        keyed ? blitSpriteKeyed(fast, bank, x, y, 5) : blitSprite(fast, bank, x, y, 5);
        testing::literalBlit(slow, bank, x, y, 5, keyed);
        EXPECT_EQ(fast.framebuffer, slow.framebuffer)
            << picture.width << " wide, keyed " << keyed << " at " << x << "," << y;
      }
    }
  }
}

TEST(SpriteBlit, EmptySlotsAndSlotsOutsideTheBankDrawNothing) {
  const assets::SpriteBank bank = bankWith(makePicture(16, 16, 3));
  assets::SpriteBank unallocated;
  Screen s = blankScreen(32, 32);
  for (const int slot : {4, -1, SpriteSlotCount}) blitSprite(s, bank, 0, 0, slot);
  blitSpriteKeyed(s, unallocated, 0, 0, 5);
  EXPECT_TRUE(inkedPixels(s).empty());
}

}  // namespace
}  // namespace gloam::draw
