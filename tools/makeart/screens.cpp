// The intro screen (320x240: the title over a torch-lit dungeon gate) and the cross-hair.
// No view draws either yet; they are painted so every catalogue slot holds a picture.
#include <cmath>

#include "makeart/block_font.hpp"
#include "makeart/cube_textures.hpp"
#include "makeart/dungeon_ground.hpp"
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"
#include "makeart/unit_bodies.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

void gate(Canvas& c, Rng& rng) {
  Canvas bricks(TextureSide, TextureSide, {});
  paintDungeonBricks(bricks, rng);
  const int wallTop = c.height - 160;
  for (int y = wallTop; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) c.set(x, y, bricks.at(x % TextureSide, (y - wallTop) % TextureSide));
  // The arch: a dark opening with steps going down into it.
  ellipse(c, 160, 150, 50, 40, {14, 12, 14});
  fillRect(c, 110, 150, 100, c.height - 150, {14, 12, 14});
  for (int k = 0; k < 6; ++k) {
    const int y = c.height - 8 - k * 12, inset = k * 5;
    fillRect(c, 112 + inset, y, 96 - 2 * inset, 6, mix({20, 18, 20}, {120, 110, 100}, 1.0 - k / 6.0));
  }
}

void torch(Canvas& c, int x, int y) {
  paintGlow(c, x, y, 40, {255, 190, 90});
  fillRect(c, x - 1, y, 3, 16, Wood);
  ellipse(c, x + 0.5, y - 4, 4, 7, FlameEdge);
  ellipse(c, x + 0.5, y - 3, 2.5, 5, Flame);
  ellipse(c, x + 0.5, y - 2, 1.2, 2.5, FlameCore);
}

void intro(Canvas& c, Rng& rng) {
  for (int y = 0; y < c.height; ++y)  // dusk sky
    fillRect(c, 0, y, c.width, 1, mix({20, 16, 40}, {110, 60, 70}, y / 90.0 > 1 ? 1 : y / 90.0));
  for (int i = 0; i < 40; ++i) c.set(rng.below(c.width), rng.below(60), {230, 230, 255});  // stars
  gate(c, rng);
  torch(c, 90, 130);
  torch(c, 230, 130);
  const int w = blockTextWidth("GLOAMDELVE", 4);
  drawBlockText(c, (c.width - w) / 2 + 2, 24, "GLOAMDELVE", 4, {40, 20, 10});
  drawBlockText(c, (c.width - w) / 2, 22, "GLOAMDELVE", 4, GoldBright);
}

void crossHair(Canvas& c, Rng&) {
  const Colour ink{255, 250, 200};
  line(c, 7, 1, 7, 5, ink);
  line(c, 7, 9, 7, 13, ink);
  line(c, 1, 7, 5, 7, ink);
  line(c, 9, 7, 13, 7, ink);
  c.set(7, 7, {255, 80, 60});
  finishFigure(c);
}

constexpr PictureSpec Screens[] = {
    {"bmp_scr", "intro1.bmp", IntroWidth, IntroHeight, false, intro},
    {"bmp_cross", "cross4.bmp", TileSide, TileSide, true, crossHair},
};

}  // namespace

std::span<const PictureSpec> screenPictures() { return Screens; }

}  // namespace gloam::makeart
