// The weapon and shield overlays of unit figures. The right hand of a standing figure is near
// (12, 9) and the left forearm near (3, 8); the items are placed to sit there.
#include "makeart/unit_gear.hpp"

#include "makeart/palette.hpp"

namespace gloam::makeart {

using namespace colours;

void holdSword(Canvas& c, Colour blade) {
  line(c, 13, 1, 13, 7, blade);
  c.set(13, 0, shade(blade, 1.2));
  line(c, 12, 8, 14, 8, Gold);
  c.set(13, 9, WoodDark);
}

void holdDagger(Canvas& c) {
  line(c, 13, 5, 13, 8, Steel);
  line(c, 12, 9, 14, 9, GoldDark);
  c.set(13, 10, WoodDark);
}

void holdAxe(Canvas& c) {
  line(c, 13, 2, 13, 11, Wood);
  stamp(c, 13, 1, {".##", "###", "###", ".##"}, {{'#', Steel}});
  c.set(15, 2, SteelBright);
}

void holdClub(Canvas& c) {
  line(c, 13, 4, 13, 11, Wood);
  disc(c, 13.5, 3.5, 2.2, WoodLight);
  c.set(12, 2, WoodDark);
}

void holdMace(Canvas& c) {
  line(c, 13, 4, 13, 11, Wood);
  disc(c, 13.5, 3.0, 1.8, SteelDark);
  c.set(13, 0, Steel);
  c.set(11, 3, Steel);
  c.set(15, 3, Steel);
}

void holdStaff(Canvas& c, Colour orb) {
  line(c, 14, 3, 14, 14, WoodLight);
  disc(c, 14.5, 2.0, 1.9, orb);
  c.set(14, 1, mix(orb, {255, 255, 255}, 0.7));
}

void holdShield(Canvas& c, Colour face, Colour emblem) {
  stamp(c, 1, 6, {"###", "#e#", "###", "#e#", ".#."}, {{'#', face}, {'e', emblem}});
}

}  // namespace gloam::makeart
