// Helpers for drawing tests: small screens, the set of inked pixels, hand-made pictures and the
// trig tables built once per test program.
#pragma once
#include <array>
#include <cstdint>
#include <set>
#include <utility>

#include "assets/sprite_bank.hpp"
#include "assets/trig_tables.hpp"
#include "core/screen.hpp"

namespace gloam::draw::testing {

using PixelSet = std::set<std::pair<int, int>>;

inline Screen blankScreen(int width, int height) {
  Screen s;
  setScreenMode(s, width, height);
  return s;
}

// Every written pixel has alpha 255; a cleared one has 0.
inline PixelSet inkedPixels(const Screen& s, bool scene = false) {
  const auto& buffer = scene ? s.sceneCapture : s.framebuffer;
  PixelSet out;
  for (int y = 0; y < s.mode.height; ++y)
    for (int x = 0; x < s.mode.width; ++x)
      if (buffer[(static_cast<std::size_t>(y) * s.mode.width + x) * 4 + 3] == 255) out.insert({x, y});
  return out;
}

inline std::array<std::uint8_t, 4> pixelAt(const Screen& s, int x, int y) {
  const std::uint8_t* p = &s.framebuffer[(static_cast<std::size_t>(y) * s.mode.width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

// Building 3.6 million sines takes a moment; every test shares one pair of tables.
inline const assets::TrigTables& sharedTrig() {
  static const assets::TrigTables tables = [] {
    assets::TrigTables t;
    assets::buildTrigTables(t);
    return t;
  }();
  return tables;
}

// A side x rows picture whose colours depend on the seed; never a key colour unless keyed is set,
// in which case every fifth pixel is magenta and every seventh black.
inline assets::SpriteSlot makePicture(int side, int rows, int seed, bool keyed = false) {
  assets::SpriteSlot p;
  p.width = side;
  p.height = rows;
  p.bytesPerPixel = 3;
  p.pixels.resize(static_cast<std::size_t>(side) * rows * 3);
  for (int i = 0; i < side * rows; ++i) {
    std::uint8_t* px = &p.pixels[static_cast<std::size_t>(i) * 3];
    px[0] = static_cast<std::uint8_t>(1 + (seed * 37 + i * 5) % 250);
    px[1] = static_cast<std::uint8_t>((seed * 11 + i * 3) % 256);
    px[2] = static_cast<std::uint8_t>((seed * 7 + i) % 256);
    if (keyed && i % 5 == 0) px[0] = 255, px[1] = 0, px[2] = 246;
    if (keyed && i % 7 == 0) px[0] = 0, px[1] = 0, px[2] = 0;
  }
  return p;
}

}  // namespace gloam::draw::testing
