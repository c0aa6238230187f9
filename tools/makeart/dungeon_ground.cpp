// Rock wall, flagstone floor, marble floor, doors and stairs: the tiles that shape a dungeon level.
// The wall is light, raised brick and the floor dark, flat slabs, so rooms read at a glance at 16x16.
#include <algorithm>
#include <cmath>

#include "makeart/dungeon_ground.hpp"
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"

namespace gloam::makeart {
namespace {

constexpr Colour Mortar{46, 40, 38};
constexpr Colour BrickFace{138, 124, 108};
constexpr Colour FloorSlab{74, 70, 72};
constexpr Colour FloorSeam{44, 42, 46};

// One brick: lit top and left edge, shaded bottom, as if light came from the upper left.
void brick(Canvas& c, Rng& rng, int x, int y, int w, int h) {
  const Colour face = shade(BrickFace, 0.86 + rng.below(29) / 100.0);
  fillRect(c, x, y, w, h, face);
  line(c, x, y, x + w - 1, y, shade(face, 1.22));
  line(c, x, y, x, y + h - 1, shade(face, 1.12));
  line(c, x, y + h - 1, x + w - 1, y + h - 1, shade(face, 0.72));
}

void paintStairs(Canvas& c, Rng& rng, bool down) {
  paintWall(c, rng);
  fillRect(c, 2, 2, 12, 12, {20, 18, 20});
  for (int k = 0; k < 6; ++k) {  // k = 0 is the step at the top of the tile
    // Going down the steps sink into darkness and narrow; going up they stay lit and narrow upward.
    const double t = k / 5.0;
    const Colour tread = mix({24, 20, 22}, {210, 200, 180}, down ? 1.0 - t * 0.95 : 1.0 - (1.0 - t) * 0.45);
    const int inset = down ? k / 2 : (5 - k) / 2;
    fillRect(c, 2 + inset, 2 + 2 * k, 12 - 2 * inset, 2, shade(tread, 0.8));
    line(c, 2 + inset, 2 + 2 * k, 13 - inset, 2 + 2 * k, tread);
  }
  if (down) {
    stamp(c, 5, 9, {"######", ".####.", "..##.."}, {{'#', {250, 214, 90}}});
  } else {
    stamp(c, 5, 3, {"..##..", ".####.", "######"}, {{'#', {70, 46, 22}}});
  }
}

void paintDoor(Canvas& c, Rng& rng) {
  paintWall(c, rng);
  fillRect(c, 2, 1, 12, 14, colours::Wood);
  for (int x = 2; x < 14; x += 3) line(c, x, 1, x, 14, colours::WoodDark);  // plank seams
  for (int x = 3; x < 14; x += 3) line(c, x, 1, x, 14, colours::WoodLight);
  jitter(c, rng, 0.08, 2, 1, 12, 14);
  for (int y : {3, 11}) {  // iron bands with rivets
    fillRect(c, 2, y, 12, 2, colours::SteelDark);
    line(c, 2, y, 13, y, colours::Steel);
  }
  disc(c, 11.5, 8.0, 1.3, colours::GoldBright);
  frameRect(c, 1, 0, 14, 16, {56, 50, 46});
}

void paintDoorOpened(Canvas& c, Rng& rng) {
  paintWall(c, rng);
  Canvas floor(TileSide, TileSide, {});
  paintFloor(floor, rng);
  for (int y = 1; y < 15; ++y)
    for (int x = 2; x < 14; ++x) c.set(x, y, floor.at(x, y));
  fillRect(c, 2, 1, 3, 14, colours::Wood);  // the door swung against the frame
  line(c, 4, 1, 4, 14, colours::WoodDark);
  line(c, 2, 1, 2, 14, colours::WoodLight);
  fillRect(c, 2, 3, 3, 1, colours::SteelDark);
  fillRect(c, 2, 11, 3, 1, colours::SteelDark);
  frameRect(c, 1, 0, 14, 16, {56, 50, 46});
}

void paintStairsDown(Canvas& c, Rng& rng) { paintStairs(c, rng, true); }
void paintStairsUp(Canvas& c, Rng& rng) { paintStairs(c, rng, false); }

}  // namespace

void paintWall(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, Mortar);
  const int brickW = c.width / 2, brickH = std::max(4, c.height / 4);
  for (int row = 0; row * brickH < c.height; ++row) {
    const int offset = (row % 2) * brickW / 2;
    for (int x = -offset; x < c.width; x += brickW) brick(c, rng, x, row * brickH, brickW - 1, brickH - 1);
  }
  jitter(c, rng, 0.06);
}

void paintFloor(Canvas& c, Rng& rng) {
  fillRect(c, 0, 0, c.width, c.height, FloorSlab);
  const int half = c.width / 2;
  for (int sy = 0; sy < 2; ++sy)
    for (int sx = 0; sx < 2; ++sx) {  // four slabs, each of its own tone
      const Colour tone = shade(FloorSlab, 0.9 + rng.below(21) / 100.0);
      fillRect(c, sx * half, sy * half, half, half, tone);
    }
  jitter(c, rng, 0.07);
  line(c, 0, c.height - 1, c.width - 1, c.height - 1, FloorSeam);
  line(c, c.width - 1, 0, c.width - 1, c.height - 1, FloorSeam);
  line(c, 0, half - 1, c.width - 1, half - 1, FloorSeam);
  line(c, half - 1, 0, half - 1, c.height - 1, FloorSeam);
}

void paintMarbleFloor(Canvas& c, Rng& rng) {
  const int half = c.width / 2;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const bool light = ((x / half) + (y / half)) % 2 == 0;
      c.set(x, y, light ? Colour{222, 218, 210} : Colour{150, 156, 170});
    }
  jitter(c, rng, 0.03);
  for (int v = 0; v < 3; ++v) {  // thin grey veins
    int x = rng.below(c.width), y = 0;
    while (y < c.height) {
      c.set(x, y, shade(c.at(std::clamp(x, 0, c.width - 1), y), 0.8));
      x += rng.below(3) - 1;
      y += 1;
    }
  }
  line(c, 0, c.height - 1, c.width - 1, c.height - 1, {120, 118, 120});
  line(c, c.width - 1, 0, c.width - 1, c.height - 1, {120, 118, 120});
}

void paintGlow(Canvas& c, double cx, double cy, double radius, Colour tint) {
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
      if (d < 1.0) c.set(x, y, mix(c.at(x, y), tint, 0.35 * (1.0 - d)));
    }
}

namespace {

constexpr PictureSpec Ground[] = {
    {"bmp_dungeon", "wall.bmp", TileSide, TileSide, false, paintWall},
    {"bmp_dungeon", "floor.bmp", TileSide, TileSide, false, paintFloor},
    {"bmp_dungeon", "floor_marble.bmp", TileSide, TileSide, false, paintMarbleFloor},
    {"bmp_dungeon", "door.bmp", TileSide, TileSide, false, paintDoor},
    {"bmp_dungeon", "door_opened.bmp", TileSide, TileSide, false, paintDoorOpened},
    {"bmp_dungeon", "stairsd.bmp", TileSide, TileSide, false, paintStairsDown},
    {"bmp_dungeon", "stairsu.bmp", TileSide, TileSide, false, paintStairsUp},
};

}  // namespace

std::span<const PictureSpec> dungeonGroundPictures() { return Ground; }

}  // namespace gloam::makeart
