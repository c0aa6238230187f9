// The dungeon's magic on the floor: glowing sources (and their spent form), spawn points and circles.
// A source is a stone-rimmed pool of light; its colour names it.
#include <cmath>

#include "makeart/dungeon_ground.hpp"
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

constexpr double Pi = 3.14159265358979;

void paintSourceOf(Canvas& c, Rng& rng, Colour light) {
  paintFloor(c, rng);
  paintGlow(c, 8, 8, 9, light);
  disc(c, 8, 8, 6.0, StoneDark);
  disc(c, 8, 8, 5.0, shade(light, 0.45));
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double d = std::hypot(x + 0.5 - 8, y + 0.5 - 8);
      if (d < 4.5) c.set(x, y, mix(light, {255, 255, 255}, std::max(0.0, 0.8 - d / 4.5)));
    }
  for (int i = 0; i < 6; ++i) {  // rim stones
    const double a = i * Pi / 3 + 0.3;
    disc(c, 8 + 5.6 * std::cos(a), 8 + 5.6 * std::sin(a), 1.1, StoneLight);
  }
}

void paintSource(Canvas& c, Rng& rng) { paintSourceOf(c, rng, {120, 220, 255}); }
void paintSourceRed(Canvas& c, Rng& rng) { paintSourceOf(c, rng, {240, 50, 40}); }
void paintSourceGreen(Canvas& c, Rng& rng) { paintSourceOf(c, rng, {60, 220, 70}); }
void paintSourceBlue(Canvas& c, Rng& rng) { paintSourceOf(c, rng, {50, 90, 255}); }
void paintSourceYellow(Canvas& c, Rng& rng) { paintSourceOf(c, rng, {250, 226, 50}); }
void paintSourceBrown(Canvas& c, Rng& rng) { paintSourceOf(c, rng, {170, 110, 50}); }

void paintSourceComplete(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  disc(c, 8, 8, 6.0, StoneDark);
  disc(c, 8, 8, 4.8, {52, 50, 52});
  line(c, 5, 7, 10, 9, {38, 36, 38});  // dry, cracked bottom
  for (int i = 0; i < 6; ++i) {
    const double a = i * Pi / 3 + 0.3;
    disc(c, 8 + 5.6 * std::cos(a), 8 + 5.6 * std::sin(a), 1.1, Stone);
  }
}

// A ring with a five-pointed star in it, drawn on the floor.
void paintPentacle(Canvas& c, Rng& rng, Colour ink) {
  paintFloor(c, rng);
  ring(c, 8, 8, 7.5, 1.0, ink);
  int px[5], py[5];
  for (int i = 0; i < 5; ++i) {
    const double a = -Pi / 2 + i * 2 * Pi / 5;
    px[i] = static_cast<int>(std::lround(7.5 + 6.2 * std::cos(a)));
    py[i] = static_cast<int>(std::lround(7.5 + 6.2 * std::sin(a)));
  }
  for (int i = 0; i < 5; ++i) line(c, px[i], py[i], px[(i + 2) % 5], py[(i + 2) % 5], ink);
}

void paintSpawn(Canvas& c, Rng& rng) {
  paintPentacle(c, rng, {232, 36, 36});
  paintGlow(c, 8, 8, 8, {255, 40, 40});
}

void paintSpawnComplete(Canvas& c, Rng& rng) { paintPentacle(c, rng, {110, 70, 70}); }

void paintRunedCircle(Canvas& c, Rng& rng, Colour ink) {
  paintFloor(c, rng);
  ring(c, 8, 8, 7.5, 1.0, ink);
  ring(c, 8, 8, 4.5, 1.0, ink);
  for (int i = 0; i < 8; ++i) {  // rune marks between the two rings
    const double a = i * Pi / 4;
    c.set(static_cast<int>(8 + 5.8 * std::cos(a)), static_cast<int>(8 + 5.8 * std::sin(a)), shade(ink, 0.8));
  }
  disc(c, 8, 8, 1.2, ink);
}

void paintCircle(Canvas& c, Rng& rng) { paintRunedCircle(c, rng, {214, 220, 236}); }

void paintCircleGolden(Canvas& c, Rng& rng) {
  paintRunedCircle(c, rng, GoldBright);
  paintGlow(c, 8, 8, 8, Gold);
}

void paintCircleAflamed(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  paintGlow(c, 8, 8, 9, {255, 120, 30});
  ring(c, 8, 8, 7.0, 1.5, FlameEdge);
  for (int i = 0; i < 10; ++i) {  // tongues of flame around the ring
    const double a = i * Pi / 5;
    const int x = static_cast<int>(7.5 + 6.3 * std::cos(a)), y = static_cast<int>(7.5 + 6.3 * std::sin(a));
    c.set(x, y, Flame);
    c.set(x, y - 1, FlameCore);
    c.set(x, y - 2, Flame);
  }
  disc(c, 8, 8, 1.5, Flame);
}

constexpr PictureSpec Magic[] = {
    {"bmp_dungeon", "source.bmp", TileSide, TileSide, false, paintSource},
    {"bmp_dungeon", "source_complete.bmp", TileSide, TileSide, false, paintSourceComplete},
    {"bmp_dungeon", "source_red.bmp", TileSide, TileSide, false, paintSourceRed},
    {"bmp_dungeon", "source_green.bmp", TileSide, TileSide, false, paintSourceGreen},
    {"bmp_dungeon", "source_blue.bmp", TileSide, TileSide, false, paintSourceBlue},
    {"bmp_dungeon", "source_yellow.bmp", TileSide, TileSide, false, paintSourceYellow},
    {"bmp_dungeon", "source_brown.bmp", TileSide, TileSide, false, paintSourceBrown},
    {"bmp_dungeon", "spawn.bmp", TileSide, TileSide, false, paintSpawn},
    {"bmp_dungeon", "spawn_complete.bmp", TileSide, TileSide, false, paintSpawnComplete},
    {"bmp_dungeon", "circle.bmp", TileSide, TileSide, false, paintCircle},
    {"bmp_dungeon", "circle_golden.bmp", TileSide, TileSide, false, paintCircleGolden},
    {"bmp_dungeon", "circle_aflamed.bmp", TileSide, TileSide, false, paintCircleAflamed},
};

}  // namespace

std::span<const PictureSpec> dungeonMagicPictures() { return Magic; }

}  // namespace gloam::makeart
