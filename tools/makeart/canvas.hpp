// A picture being painted: RGB pixels addressed from the TOP-left corner (as one draws by hand),
// with the few primitives the painters need. Turning it into the game's bottom-up layout is here too.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "assets/sprite_bank.hpp"
#include "core/rgb.hpp"
#include "core/rng.hpp"

namespace gloam::makeart {

using Colour = Rgb;

inline constexpr Colour KeyColour = assets::SpriteKeyColour;  // never drawn by the keyed blit (nor is black)

// c with every channel scaled by f (clamped), for shading.
Colour shade(Colour c, double f);
// The mix (1 - t) * a + t * b.
Colour mix(Colour a, Colour b, double t);
// Shading that never lands on pure black (black is a key colour on keyed pictures).
Colour visible(Colour c);

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;  // row 0 is the TOP row

  Canvas(int w, int h, Colour fill);
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  void set(int x, int y, Colour c) {
    if (inside(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = c;
  }
};

void fillRect(Canvas& c, int x, int y, int w, int h, Colour col);
void frameRect(Canvas& c, int x, int y, int w, int h, Colour col);
void line(Canvas& c, int x0, int y0, int x1, int y1, Colour col);
void disc(Canvas& c, double cx, double cy, double r, Colour col);
void ring(Canvas& c, double cx, double cy, double r, double thickness, Colour col);
void ellipse(Canvas& c, double cx, double cy, double rx, double ry, Colour col);

// Multiplies each pixel of the rectangle by a random factor in [1 - amount, 1 + amount].
void jitter(Canvas& c, Rng& rng, double amount, int x = 0, int y = 0, int w = -1, int h = -1);

// One character per pixel, rows top first; each character is looked up in `palette`, and a
// character not in it (conventionally '.') leaves the pixel alone. Stamped with its top-left at (x, y).
using Palette = std::initializer_list<std::pair<char, Colour>>;
void stamp(Canvas& c, int x, int y, std::initializer_list<std::string_view> rows, Palette palette);

// Outlines every non-background pixel region with `edge` where it borders the background colour.
void outline(Canvas& c, Colour background, Colour edge);

// Turns the picture upside down.
void flipVertically(Canvas& c);

// Copies `src` onto `dst` at (x, y), skipping the key colour and black, as the game's keyed blit does.
void overlayKeyed(Canvas& dst, const Canvas& src, int x, int y);

// Pixels as red, green, blue bytes with the BOTTOM row first: the game's picture layout.
std::vector<std::uint8_t> bottomUpRgb(const Canvas& c);

}  // namespace gloam::makeart
