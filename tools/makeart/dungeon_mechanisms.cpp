// Spike traps (armed and disarmed), the gear mechanism and the lever: metal on a flagstone floor.
// An armed trap shows bright spike tips; a disarmed one the same plate with the spikes sunk and rusty.
#include <cmath>

#include "makeart/dungeon_ground.hpp"
#include "makeart/dungeon_mechanisms.hpp"
#include "makeart/palette.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

void paintTrapPlate(Canvas& c, Rng& rng, Colour plate) {
  paintFloor(c, rng);
  fillRect(c, 2, 2, 12, 12, plate);
  frameRect(c, 2, 2, 12, 12, shade(plate, 0.6));
  line(c, 3, 3, 12, 3, shade(plate, 1.25));
}

}  // namespace

void paintTrap(Canvas& c, Rng& rng) {
  paintTrapPlate(c, rng, {96, 92, 96});
  for (int y = 4; y <= 11; y += 3)
    for (int x = 4; x <= 11; x += 3) {
      c.set(x, y + 1, SteelDark);
      c.set(x + 1, y + 1, SteelDark);
      c.set(x, y, SteelBright);  // a spike tip catching the light
      c.set(x + 1, y, Steel);
    }
  for (int i = 0; i < 3; ++i) c.set(3 + rng.below(10), 3 + rng.below(10), {150, 24, 24});  // old blood
}

void paintTrapDisabled(Canvas& c, Rng& rng) {
  paintTrapPlate(c, rng, {104, 88, 76});
  for (int y = 4; y <= 11; y += 3)
    for (int x = 4; x <= 11; x += 3) {
      c.set(x, y, {48, 40, 36});
      c.set(x + 1, y, {150, 84, 44});  // rust around the sunk spike
    }
  line(c, 3, 12, 12, 3, {48, 40, 36});  // a crack across the plate
}

void paintGearMechanism(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  const double cx = 7.5, cy = 7.5;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double r = std::hypot(dx, dy), a = std::atan2(dy, dx);
      const bool tooth = std::cos(a * 8) > 0.2;
      if (r < 5.0 || (r < 7.2 && tooth)) c.set(x, y, r < 4.2 ? Steel : SteelDark);
    }
  ring(c, cx, cy, 4.2, 0.8, SteelBright);
  disc(c, cx, cy, 2.0, {60, 58, 64});
  disc(c, cx, cy, 1.0, GoldDark);
}

void paintLever(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  fillRect(c, 4, 9, 8, 5, SteelDark);
  frameRect(c, 4, 9, 8, 5, {50, 50, 58});
  line(c, 5, 10, 10, 10, Steel);
  fillRect(c, 7, 11, 2, 2, {40, 38, 44});  // the slot the lever turns in
  line(c, 8, 11, 12, 3, Wood);
  line(c, 7, 11, 11, 3, WoodLight);
  disc(c, 12.0, 3.0, 1.8, {210, 40, 36});
  c.set(11, 2, {255, 140, 130});
}

}  // namespace gloam::makeart
