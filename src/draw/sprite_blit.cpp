// The blits clip the square against the Framebuffer once and then copy row by row; the pixels they
// write are exactly those a putPixel per picture pixel would write (the tests hold them to that).
#include "draw/sprite_blit.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace gloam::draw {
namespace {

// The part of the square that lands on screen, in picture columns [j0, j1) and rows [k0, k1).
struct ClipWindow {
  int j0 = 0, j1 = 0, k0 = 0, k1 = 0;
  bool empty() const { return j0 >= j1 || k0 >= k1; }
};

ClipWindow clipSquare(const Screen& screen, int side, int rows, int x, int y) {
  // 64-bit so that pictures placed far off screen cannot overflow the edge arithmetic.
  const long long left = x, bottom = y;
  ClipWindow w;
  w.j0 = static_cast<int>(std::clamp(-left, 0LL, static_cast<long long>(side)));
  w.j1 = static_cast<int>(std::clamp(screen.mode.width - left, 0LL, static_cast<long long>(side)));
  w.k0 = static_cast<int>(std::clamp(-bottom, 0LL, static_cast<long long>(rows)));
  w.k1 = static_cast<int>(std::clamp(screen.mode.height - bottom, 0LL, static_cast<long long>(rows)));
  return w;
}

template <bool Keyed>
void blitRows(Screen& screen, const assets::SpriteSlot& picture, int x, int y) {
  const int side = static_cast<int>(picture.width);
  const ClipWindow w = clipSquare(screen, side, drawableSpriteRows(picture), x, y);
  if (w.empty()) return;
  const std::size_t pitch = static_cast<std::size_t>(screen.mode.width) * 4;
  for (int k = w.k0; k < w.k1; ++k) {
    const std::uint8_t* src = picture.pixels.data() + (static_cast<std::size_t>(k) * side + w.j0) * SpriteBytesPerPixel;
    std::uint8_t* dst = screen.framebuffer.data() + static_cast<std::size_t>(y + k) * pitch +
                        static_cast<std::size_t>(x + w.j0) * 4;
    for (int j = w.j0; j < w.j1; ++j, src += SpriteBytesPerPixel, dst += 4) {
      if (Keyed && isKeyColour(src[0], src[1], src[2])) continue;
      dst[0] = src[0];
      dst[1] = src[1];
      dst[2] = src[2];
      dst[3] = 255;
    }
  }
}

bool slotInBank(const assets::SpriteBank& bank, int slot) {
  return bank.allocated() && slot >= 0 && slot < SpriteSlotCount;
}

}  // namespace

int drawableSpriteRows(const assets::SpriteSlot& picture) {
  const std::size_t side = picture.width;
  if (side == 0 || picture.pixels.empty()) return 0;
  const std::size_t held = picture.pixels.size() / (side * SpriteBytesPerPixel);
  return static_cast<int>(std::min(side, held));
}

void blitSprite(Screen& screen, const assets::SpriteSlot& picture, int x, int y) {
  blitRows<false>(screen, picture, x, y);
}

void blitSpriteKeyed(Screen& screen, const assets::SpriteSlot& picture, int x, int y) {
  blitRows<true>(screen, picture, x, y);
}

void blitSprite(Screen& screen, const assets::SpriteBank& bank, int x, int y, int slot) {
  if (slotInBank(bank, slot)) blitSprite(screen, bank[slot], x, y);
}

void blitSpriteKeyed(Screen& screen, const assets::SpriteBank& bank, int x, int y, int slot) {
  if (slotInBank(bank, slot)) blitSpriteKeyed(screen, bank[slot], x, y);
}

}  // namespace gloam::draw
