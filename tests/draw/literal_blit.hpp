// The literal blit: one out-of-line, bounds-checked pixel write per picture pixel. The oracle the
// fast blits are held to, and the slow half of the top-down benchmark.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "assets/sprite_bank.hpp"
#include "core/screen.hpp"
#include "draw/sprite_blit.hpp"

namespace gloam::draw::testing {

[[gnu::noinline]] inline void checkedPutPixel(Screen& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  putPixel(s, x, y, r, g, b);
}

// Picture row k, column j is the byte offset (k * width + j) * 3; only whole rows held are read.
inline void literalBlit(Screen& s, const assets::SpriteBank& bank, int x, int y, int slot, bool keyed) {
  if (!bank.allocated() || slot < 0 || slot >= SpriteSlotCount) return;
  const assets::SpriteSlot& p = bank[slot];
  const int n = static_cast<int>(p.width);
  const int rows = n == 0 ? 0 : static_cast<int>(std::min<std::size_t>(n, p.pixels.size() / (3 * n)));
  for (int k = 0; k < rows; ++k) {
    for (int j = 0; j < n; ++j) {
      const std::uint8_t* px = &p.pixels[(static_cast<std::size_t>(k) * n + j) * 3];
      const bool magenta = px[0] == 255 && px[1] == 0 && px[2] == 246, black = !px[0] && !px[1] && !px[2];
      if (keyed && (magenta || black)) continue;
      checkedPutPixel(s, x + j, y + k, px[0], px[1], px[2]);
    }
  }
}

}  // namespace gloam::draw::testing
