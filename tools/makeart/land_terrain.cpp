// Overworld terrain tiles: plain, the forests, water, deep water, swamp, desert, hills, mountains
// and the road. Neighbouring tiles of one kind must join without seams, so edges stay plain texture.
#include <cmath>
#include <tuple>
#include <utility>

#include "makeart/land_terrain.hpp"
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"

namespace gloam::makeart {

using namespace colours;

void paintGrass(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, Grass);
  jitter(c, rng, 0.10);
  for (int i = 0; i < 7; ++i) {  // tufts
    const int x = rng.below(c.width), y = rng.below(c.height);
    c.set(x, y, GrassLight);
    c.set(x, y + 1, GrassDark);
  }
}

namespace {

void paintPlain(Canvas& c, Rng& rng) {
  paintGrass(c, rng);
  for (int i = 0; i < 3; ++i) c.set(rng.below(16), rng.below(16), {236, 226, 110});  // wild flowers
}

struct TreeStyle {
  Colour crown, crownLight, crownDark, trunk;
  bool conifer;
  Colour fruit;  // equal to crown when the tree bears none
};

void paintTree(Canvas& c, const TreeStyle& s, int x, int y, int size) {
  if (s.conifer) {
    for (int row = 0; row < size + 2; ++row) {  // a stacked triangle, dark side on the right
      const int half = row / 2 + 1;
      line(c, x - half + 1, y + row - size, x + half - 1, y + row - size, s.crown);
      c.set(x - half + 1, y + row - size, s.crownLight);
      c.set(x + half - 1, y + row - size, s.crownDark);
    }
    c.set(x, y + 2, s.trunk);
    return;
  }
  line(c, x, y, x, y + 2, s.trunk);
  disc(c, x + 0.5, y - size / 2.0 + 0.5, size / 2.0 + 0.6, s.crownDark);
  disc(c, x + 0.2, y - size / 2.0, size / 2.0, s.crown);
  disc(c, x - 0.6, y - size / 2.0 - 0.8, size / 4.0, s.crownLight);
  if (s.fruit != s.crown) {
    c.set(x - 1, y - size / 2, s.fruit);
    c.set(x + 1, y - size / 2 - 1, s.fruit);
  }
}

void paintForestOf(Canvas& c, Rng& rng, const TreeStyle& style, Colour ground) {
  fillRect(c, 0, 0, c.width, c.height, ground);
  jitter(c, rng, 0.10);
  constexpr int Spots[][3] = {{4, 6, 6}, {11, 5, 6}, {7, 12, 6}, {13, 13, 5}, {2, 14, 4}};
  for (const auto& s : Spots) paintTree(c, style, s[0] + rng.below(2), s[1] + rng.below(2), s[2]);
}

void paintForest(Canvas& c, Rng& rng) {
  paintForestOf(c, rng, {{46, 112, 40}, {84, 150, 60}, {28, 72, 28}, {92, 60, 30}, false, {46, 112, 40}}, GrassDark);
}
void paintForestFruit(Canvas& c, Rng& rng) {
  paintForestOf(c, rng, {{56, 124, 44}, {96, 160, 66}, {32, 80, 30}, {92, 60, 30}, false, {226, 40, 40}}, GrassDark);
}
void paintForestGray(Canvas& c, Rng& rng) {
  paintForestOf(c, rng, {{110, 118, 104}, {150, 156, 144}, {70, 76, 68}, {70, 60, 50}, false, {110, 118, 104}},
                {78, 92, 66});
}
void paintForestLeaf(Canvas& c, Rng& rng) {
  paintForestOf(c, rng, {{96, 164, 52}, {150, 204, 84}, {58, 116, 36}, {100, 66, 32}, false, {96, 164, 52}}, Grass);
}
void paintForestB(Canvas& c, Rng& rng) {
  paintForestOf(c, rng, {{30, 96, 50}, {60, 130, 70}, {16, 62, 34}, {80, 52, 28}, true, {30, 96, 50}}, GrassDark);
}
void paintForestC(Canvas& c, Rng& rng) {
  paintForestOf(c, rng, {{22, 70, 44}, {44, 100, 60}, {12, 44, 28}, {64, 42, 24}, true, {22, 70, 44}}, {34, 70, 34});
}

void paintWaves(Canvas& c, Rng& rng, Colour base, Colour crest, int count) {
  fillRect(c, 0, 0, c.width, c.height, base);
  jitter(c, rng, 0.05);
  for (int i = 0; i < count; ++i) {  // short wave crests: a lit stroke with a dip at each end
    const int x = rng.below(12), y = 1 + rng.below(14);
    line(c, x + 1, y, x + 3, y, crest);
    c.set(x, y + 1, shade(crest, 0.8));
    c.set(x + 4, y + 1, shade(crest, 0.8));
  }
}

void paintWater(Canvas& c, Rng& rng) { paintWaves(c, rng, Water, WaterLight, 5); }
void paintWaterDeep(Canvas& c, Rng& rng) { paintWaves(c, rng, WaterDeep, {46, 80, 160}, 4); }

void paintSwamp(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, {82, 96, 52});
  jitter(c, rng, 0.10);
  ellipse(c, 5, 5, 3.5, 2.2, {58, 82, 74});  // murky pools
  ellipse(c, 11, 11, 3.5, 2.0, {58, 82, 74});
  c.set(4, 4, {96, 126, 112});
  c.set(10, 10, {96, 126, 112});
  for (auto [x, y] : {std::pair{9, 4}, {12, 5}, {3, 11}, {6, 13}, {14, 2}}) {  // reeds
    line(c, x, y, x, y - 3, {120, 134, 60});
    c.set(x, y - 3, {110, 74, 40});
  }
}

void paintDesert(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, {222, 196, 128});
  jitter(c, rng, 0.05);
  for (int y : {3, 8, 13}) {  // dune ripples
    const int x = rng.below(6);
    line(c, x, y, x + 5, y - 1, {196, 166, 100});
    line(c, x + 6, y - 1, x + 9, y, {196, 166, 100});
    line(c, x + 1, y - 1, x + 5, y - 2, {240, 220, 160});
  }
}

void paintHills(Canvas& c, Rng& rng) {
  paintGrass(c, rng);
  const Colour hill{112, 150, 64}, hillLight{148, 182, 90}, hillDark{72, 108, 44};
  for (auto [x, y, w] : {std::tuple{5, 8, 5}, {11, 13, 5}, {12, 5, 4}}) {
    ellipse(c, x, y, w, w * 0.7, hillDark);
    ellipse(c, x - 0.5, y - 0.5, w - 0.8, w * 0.7 - 0.8, hill);
    ellipse(c, x - 1.5, y - 1.5, w * 0.45, w * 0.3, hillLight);
  }
}

void paintPeak(Canvas& c, int tipX, int tipY, int base, int half, bool snow) {
  const Colour lit{168, 160, 150}, dark{104, 98, 94}, snowLit{246, 248, 252}, snowDark{196, 204, 220};
  for (int y = tipY; y <= base; ++y) {
    const int w = (y - tipY) * half / (base - tipY);
    const bool snowy = snow && y < tipY + (base - tipY) / 2;
    line(c, tipX - w, y, tipX, y, snowy ? snowLit : lit);
    line(c, tipX + 1, y, tipX + w, y, snowy ? snowDark : dark);
  }
}

void paintMountain(Canvas& c, Rng& rng) {
  paintGrass(c, rng);
  paintPeak(c, 10, 3, 14, 6, false);
  paintPeak(c, 5, 6, 14, 5, false);
}

void paintMountainHigh(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, {120, 120, 112});
  jitter(c, rng, 0.08);
  paintPeak(c, 8, 0, 15, 8, true);
  paintPeak(c, 3, 7, 15, 4, true);
  paintPeak(c, 13, 6, 15, 4, true);
}

// Drawn opaque it is a stretch of road; drawn keyed (black left out) it is the footprint marker of
// the player's path, so everything outside the worn patch is black.
void paintRoad(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, {0, 0, 0});
  const Colour dirt{158, 126, 84};
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const int cx = std::abs(2 * x - 15), cy = std::abs(2 * y - 15);
      if (cx + cy <= 22) c.set(x, y, shade(dirt, 0.94 + rng.below(13) / 100.0));  // octagon touching each edge
    }
  const Palette prints = {{'#', {72, 46, 26}}};
  stamp(c, 4, 3, {".##", "###", "###", ".#.", "", ".##", ".##"}, prints);
  stamp(c, 9, 6, {".##", "###", "###", ".#.", "", ".##", ".##"}, prints);
}

constexpr PictureSpec Terrain[] = {
    {"bmp_land", "plain.bmp", TileSide, TileSide, false, paintPlain},
    {"bmp_land", "forest.bmp", TileSide, TileSide, false, paintForest},
    {"bmp_land", "forest_fruit.bmp", TileSide, TileSide, false, paintForestFruit},
    {"bmp_land", "forest_gray.bmp", TileSide, TileSide, false, paintForestGray},
    {"bmp_land", "water.bmp", TileSide, TileSide, false, paintWater},
    {"bmp_land", "water_deep.bmp", TileSide, TileSide, false, paintWaterDeep},
    {"bmp_land", "swamp_a.bmp", TileSide, TileSide, false, paintSwamp},
    {"bmp_land", "desert_a.bmp", TileSide, TileSide, false, paintDesert},
    {"bmp_land", "hills_a.bmp", TileSide, TileSide, false, paintHills},
    {"bmp_land", "mountain.bmp", TileSide, TileSide, false, paintMountain},
    {"bmp_land", "mountain_high_a.bmp", TileSide, TileSide, false, paintMountainHigh},
    {"bmp_land", "forest_leaf.bmp", TileSide, TileSide, false, paintForestLeaf},
    {"bmp_land", "road.bmp", TileSide, TileSide, false, paintRoad},
    {"bmp_land", "forest_b.bmp", TileSide, TileSide, false, paintForestB},
    {"bmp_land", "forest_c.bmp", TileSide, TileSide, false, paintForestC},
};

}  // namespace

std::span<const PictureSpec> landTerrainPictures() { return Terrain; }

}  // namespace gloam::makeart
