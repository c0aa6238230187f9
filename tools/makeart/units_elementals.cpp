// The four elementals (fire, water, earth, air) in three strengths each. They are drawn from
// shapes rather than templates, so one painter per element serves all three sizes.
#include <algorithm>
#include <cmath>

#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"
#include "makeart/unit_bodies.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

// Scale of each strength: one, two and three of the element in the file name.
constexpr double Sizes[] = {0.55, 0.78, 1.0};

void eyes(Canvas& c, double size, Colour eye) {
  const int y = 15 - static_cast<int>(7 * size);
  c.set(7 - static_cast<int>(size * 2), y, eye);
  c.set(8 + static_cast<int>(size * 2), y, eye);
}

void paintFire(Canvas& c, double size) {
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double v = (15.5 - y) / (15.0 * size);  // 0 at the base, 1 at the tip
      if (v < 0 || v > 1) continue;
      const double u = (x + 0.5 - 8 - 1.2 * size * std::sin(v * 7)) / (6.5 * size);
      const double half = 2.6 * std::sqrt(v) * (1 - v);
      if (std::abs(u) >= half) continue;
      const double edge = std::abs(u) / half;
      c.set(x, y, edge < 0.35 && v < 0.6 ? FlameCore : edge < 0.7 ? Flame : FlameEdge);
    }
  eyes(c, size, {120, 20, 10});
  finishFigure(c);
}

void paintWater(Canvas& c, double size) {
  const double r = 5.5 * size, cy = 15 - r;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double dx = x + 0.5 - 8, dy = y + 0.5 - cy;
      const bool round = dx * dx + dy * dy < r * r;
      const bool point = dy < 0 && dy > -2.2 * r && std::abs(dx) < r * (1 + dy / (2.2 * r));
      if (round || point) c.set(x, y, mix(Water, WaterLight, std::max(0.0, -dy / (2.2 * r))));
    }
  disc(c, 8 - r * 0.4, cy - r * 0.2, std::max(0.8, r * 0.25), {220, 240, 255});
  eyes(c, size, {10, 30, 80});
  finishFigure(c);
}

void paintEarth(Canvas& c, double size) {
  const Colour rock{140, 124, 104}, lit{186, 170, 146}, dark{92, 80, 68};
  const auto block = [&](double x, double y, double w, double h, Colour col) {
    fillRect(c, static_cast<int>(8 + x * size), static_cast<int>(15 - y * size),
             std::max(1, static_cast<int>(w * size)), std::max(1, static_cast<int>(h * size)), col);
  };
  block(-3, 6, 6, 5, rock);   // chest of boulders
  block(-2, 10, 4, 4, rock);  // head
  block(-6, 7, 3, 5, dark);   // arms
  block(3, 7, 3, 5, dark);
  block(-3, 1, 2, 1, dark);  // legs
  block(1, 1, 2, 1, dark);
  block(-3, 6, 6, 1, lit);
  block(-2, 10, 4, 1, lit);
  eyes(c, size * 1.15, {255, 170, 40});
  finishFigure(c);
}

void paintAir(Canvas& c, double size) {
  const Colour wind{206, 226, 240};
  for (double t = 0; t < 14; t += 0.05) {  // a spiral that widens as it rises
    const double r = 0.45 * t * size, y = 15 - t * size;
    c.set(static_cast<int>(8 + r * std::cos(t * 1.6)), static_cast<int>(y), mix(wind, {150, 190, 220}, t / 14));
    c.set(static_cast<int>(8 + r * std::cos(t * 1.6) + 1), static_cast<int>(y), wind);
  }
  eyes(c, size, {40, 70, 120});
  finishFigure(c);
}

template <int Strength>
void fire(Canvas& c, Rng&) {
  paintFire(c, Sizes[Strength]);
}
template <int Strength>
void water(Canvas& c, Rng&) {
  paintWater(c, Sizes[Strength]);
}
template <int Strength>
void earth(Canvas& c, Rng&) {
  paintEarth(c, Sizes[Strength]);
}
template <int Strength>
void air(Canvas& c, Rng&) {
  paintAir(c, Sizes[Strength]);
}

constexpr PictureSpec Elementals[] = {
    {"bmp_unit", "unit_fire.bmp", TileSide, TileSide, true, fire<0>},
    {"bmp_unit", "unit_fire_fire.bmp", TileSide, TileSide, true, fire<1>},
    {"bmp_unit", "unit_fire_fire_fire.bmp", TileSide, TileSide, true, fire<2>},
    {"bmp_unit", "unit_water.bmp", TileSide, TileSide, true, water<0>},
    {"bmp_unit", "unit_water_water.bmp", TileSide, TileSide, true, water<1>},
    {"bmp_unit", "unit_water_water_water.bmp", TileSide, TileSide, true, water<2>},
    {"bmp_unit", "unit_earth.bmp", TileSide, TileSide, true, earth<0>},
    {"bmp_unit", "unit_earth_earth.bmp", TileSide, TileSide, true, earth<1>},
    {"bmp_unit", "unit_earth_earth_earth.bmp", TileSide, TileSide, true, earth<2>},
    {"bmp_unit", "unit_air.bmp", TileSide, TileSide, true, air<0>},
    {"bmp_unit", "unit_air_air.bmp", TileSide, TileSide, true, air<1>},
    {"bmp_unit", "unit_air_air_air.bmp", TileSide, TileSide, true, air<2>},
};

}  // namespace

std::span<const PictureSpec> unitElementalPictures() { return Elementals; }

}  // namespace gloam::makeart
