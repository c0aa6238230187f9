// The 64x64 textures of the first-person view. brickold2 covers every wall cube, so it is the one
// that must look like old dungeon masonry: uneven bricks, deep mortar, chipped and grimy faces.
#include <algorithm>
#include <cmath>

#include "makeart/cube_textures.hpp"
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

struct BrickStyle {
  int brickW, brickH;
  Colour face, mortar;
  double faceSpread;  // how much bricks differ from one another
  Colour moss;        // grown into the lower joints; equal to mortar for none
};

void chips(Canvas& c, Rng& rng, int x, int y, int w, int h, Colour face) {
  for (int i = 0; i < 2; ++i) {  // a chipped corner and a crack
    const int cx = x + (rng.below(2) ? 0 : w - 2), cy = y + (rng.below(2) ? 0 : h - 2);
    fillRect(c, cx, cy, 2, 2, shade(face, 0.55));
  }
  if (rng.below(3) == 0) {
    int px = x + 2 + rng.below(std::max(1, w - 4)), py = y + 1;
    while (py < y + h - 1) {
      c.set(px, py, shade(face, 0.5));
      px += rng.below(3) - 1;
      ++py;
    }
  }
}

void brickFace(Canvas& c, Rng& rng, const BrickStyle& s, int x, int y) {
  const Colour face = shade(s.face, 1.0 - s.faceSpread + rng.below(static_cast<int>(s.faceSpread * 200) + 1) / 100.0);
  const int w = s.brickW - 2, h = s.brickH - 2;
  fillRect(c, x, y, w, h, face);
  jitter(c, rng, 0.09, x, y, w, h);
  line(c, x, y, x + w - 1, y, shade(face, 1.25));
  line(c, x, y, x, y + h - 1, shade(face, 1.12));
  line(c, x, y + h - 1, x + w - 1, y + h - 1, shade(face, 0.68));
  line(c, x + w - 1, y, x + w - 1, y + h - 1, shade(face, 0.78));
  chips(c, rng, x, y, w, h, face);
}

void paintBricks(Canvas& c, Rng& rng, const BrickStyle& s) {
  fillRect(c, 0, 0, c.width, c.height, s.mortar);
  jitter(c, rng, 0.25);
  for (int row = 0; row * s.brickH < c.height; ++row) {
    const int offset = (row % 2) * s.brickW / 2;
    for (int x = -offset; x < c.width; x += s.brickW) {
      brickFace(c, rng, s, x + 1, row * s.brickH + 1);
      if (x < 0) brickFace(c, rng, s, x + c.width + 1, row * s.brickH + 1);  // wrap so the texture tiles
    }
  }
  if (s.moss == s.mortar) return;
  for (int i = 0; i < c.width * 3; ++i) {
    const int x = rng.below(c.width), y = c.height / 2 + rng.below(c.height / 2);
    if (c.at(x, y).r < s.mortar.r + 30) c.set(x, y, shade(s.moss, 0.8 + rng.below(40) / 100.0));
  }
}

}  // namespace

void paintDungeonBricks(Canvas& c, Rng& rng) {
  paintBricks(c, rng, {16, 8, {118, 106, 94}, {38, 34, 32}, 0.18, {38, 34, 32}});
  for (int y = 0; y < c.height; ++y)  // grime gathers toward the floor
    for (int x = 0; x < c.width; ++x) c.set(x, y, visible(shade(c.at(x, y), 1.05 - 0.25 * y / c.height)));
}

namespace {

// The wall faces of the first-person view put the picture's top row at the bottom of the screen, so
// the file holds the bricks upside down: in the view they are lit from above and grimy near the floor.
void brickOld2(Canvas& c, Rng& rng) {
  paintDungeonBricks(c, rng);
  flipVertically(c);
}

void brickOld3(Canvas& c, Rng& rng) {
  paintBricks(c, rng, {21, 11, {110, 112, 104}, {40, 44, 38}, 0.15, {70, 110, 50}});
}
void castleWall(Canvas& c, Rng& rng) {
  paintBricks(c, rng, {32, 16, {160, 156, 146}, {70, 68, 66}, 0.1, {70, 68, 66}});
}

void grass(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, Grass);
  jitter(c, rng, 0.15);
  for (int i = 0; i < 160; ++i) {  // blades
    const int x = rng.below(c.width), y = rng.below(c.height);
    line(c, x, y, x + rng.below(3) - 1, y - 3, rng.below(2) ? GrassLight : GrassDark);
  }
}

void dirt(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, {118, 86, 56});
  jitter(c, rng, 0.18);
  for (int i = 0; i < 40; ++i)
    disc(c, rng.below(64), rng.below(64), 0.8 + rng.below(10) / 10.0, {96, 90, 84});  // pebbles
}

// The whale blade hung on a dark plank wall, as a texture.
void whaleBladeTexture(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, {60, 42, 28});
  for (int x = 0; x < c.width; x += 8) line(c, x, 0, x, c.height - 1, {40, 28, 18});
  jitter(c, rng, 0.1);
  for (int i = 0; i < 40; ++i) {
    const int bend = i > 20 ? (i - 20) / 3 : 0;
    for (int w = 0; w < 6; ++w) c.set(14 + i + w - bend, 50 - i - bend + w / 2, shade(Bone, 1.0 - w * 0.06));
  }
  fillRect(c, 6, 50, 10, 3, Gold);
  line(c, 6, 58, 12, 52, WoodDark);
  line(c, 7, 58, 13, 52, Wood);
}

// A rough cave face, like a photograph of wet rock.
void caveRock(Canvas& c, Rng& rng) {
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double v = 0.5 + 0.25 * std::sin(x * 0.21 + std::sin(y * 0.13) * 2.0) + 0.2 * std::sin(y * 0.37 + x * 0.05);
      c.set(x, y, mix({54, 50, 48}, {140, 128, 112}, std::clamp(v, 0.0, 1.0)));
    }
  jitter(c, rng, 0.12);
}

constexpr PictureSpec Textures[] = {
    {"bmp_cube", "structure_castle.bmp", TextureSide, TextureSide, false, castleWall},
    {"bmp_cube", "brickold2.bmp", TextureSide, TextureSide, false, brickOld2},
    {"bmp_cube", "grass3.bmp", TextureSide, TextureSide, false, grass},
    {"bmp_cube", "dirt1.bmp", TextureSide, TextureSide, false, dirt},
    {"bmp_cube", "brickold3.bmp", TextureSide, TextureSide, false, brickOld3},
    {"bmp_cube", "item_whale_blade.bmp", TextureSide, TextureSide, false, whaleBladeTexture},
    {"bmp_cube", "DSC3.bmp", TextureSide, TextureSide, false, caveRock},
};

}  // namespace

std::span<const PictureSpec> cubeTexturePictures() { return Textures; }

}  // namespace gloam::makeart
