// The fast blits against the literal one-putPixel-per-picture-pixel oracle, at every kind of
// clipping, with both key colours and with buffers shorter and longer than the square; plus empty
// slots and slots outside the bank.
#include <gtest/gtest.h>

#include "draw/draw_test_support.hpp"
#include "draw/literal_blit.hpp"
#include "draw/sprite_blit.hpp"

namespace gloam::draw {
namespace {

using testing::blankScreen;
using testing::inkedPixels;
using testing::makePicture;

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
