// Buildings of the structure family (farm, merchant, quarry, stable, tower, barracks, smithy,
// castle, church) and the heart. No view draws them yet; they are keyed like the unit pictures.
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"
#include "makeart/unit_bodies.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

constexpr Colour Plaster{226, 214, 184};
constexpr Colour Doorway{60, 40, 28};

// A building seen from the front: a gabled roof over a wall with a door.
void building(Canvas& c, int x, int w, int wallTop, Colour wall, Colour roof) {
  const int roofRows = w / 2;
  for (int r = 0; r < roofRows; ++r)
    line(c, x + w / 2 - r - 1, wallTop - roofRows + r, x + w / 2 + r, wallTop - roofRows + r,
         r == 0 ? shade(roof, 1.2) : roof);
  fillRect(c, x, wallTop, w, 14 - wallTop, wall);
  line(c, x + w - 1, wallTop, x + w - 1, 13, shade(wall, 0.75));
  fillRect(c, x + w / 2 - 1, 10, 2, 4, Doorway);
}

void farm(Canvas& c, Rng&) {
  building(c, 1, 9, 8, {180, 50, 40}, {110, 80, 50});
  for (int x = 11; x < 15; ++x) line(c, x, 8, x, 13, x % 2 ? Colour{220, 190, 70} : Colour{170, 140, 40});  // wheat
  finishFigure(c);
}

void merchant(Canvas& c, Rng&) {
  building(c, 2, 12, 8, Plaster, {120, 70, 40});
  for (int x = 2; x < 14; ++x) c.set(x, 7, x % 2 ? Colour{220, 40, 40} : Colour{245, 245, 240});  // awning
  fillRect(c, 3, 10, 3, 2, Gold);
  finishFigure(c);
}

void quarry(Canvas& c, Rng&) {
  ellipse(c, 8, 10, 7, 4, StoneDark);
  ellipse(c, 8, 9.5, 5, 2.8, {56, 52, 54});
  fillRect(c, 3, 4, 3, 3, StoneLight);
  fillRect(c, 9, 3, 4, 3, Stone);
  fillRect(c, 6, 5, 3, 2, StoneLight);
  finishFigure(c);
}

void stable(Canvas& c, Rng&) {
  building(c, 1, 14, 7, WoodLight, {90, 60, 34});
  fillRect(c, 3, 9, 4, 5, WoodDark);
  fillRect(c, 9, 9, 4, 5, WoodDark);
  stamp(c, 10, 9, {"##.", "###"}, {{'#', {150, 100, 60}}});  // a horse looking out
  finishFigure(c);
}

void tower(Canvas& c, Rng&) {
  stamp(c, 4, 0, {"#.#.#.#.", "########"}, {{'#', StoneLight}});
  fillRect(c, 5, 2, 6, 12, Stone);
  line(c, 10, 2, 10, 13, StoneDark);
  fillRect(c, 7, 5, 2, 2, Doorway);
  fillRect(c, 7, 10, 2, 4, Doorway);
  finishFigure(c);
}

void barracks(Canvas& c, Rng&) {
  building(c, 1, 14, 8, Stone, {70, 70, 90});
  line(c, 13, 0, 13, 5, WoodDark);
  fillRect(c, 14, 0, 2, 2, {200, 40, 40});  // flag
  for (int x = 3; x < 13; x += 3) fillRect(c, x, 9, 1, 2, Doorway);
  finishFigure(c);
}

void blacksmith(Canvas& c, Rng&) {
  building(c, 1, 11, 8, StoneLight, {80, 50, 40});
  fillRect(c, 9, 1, 2, 5, StoneDark);                                            // chimney
  for (auto [x, y] : {std::pair{10, 0}, {11, 0}}) c.set(x, y, {180, 180, 180});  // smoke
  stamp(c, 11, 11, {"####", ".##.", "####"}, {{'#', SteelDark}});                // anvil
  c.set(4, 11, Flame);
  finishFigure(c);
}

void castle(Canvas& c, Rng&) {
  stamp(c, 0, 2,
        {".#.#......#.#..", ".###......###..", ".###.#.#.####..", ".#############.", ".#############.",
         ".#####ddd#####.", ".####ddddd####.", ".####ddddd####.", ".####ddddd####.", ".#############."},
        {{'#', StoneLight}, {'d', Doorway}});
  line(c, 7, 0, 7, 3, WoodDark);
  c.set(8, 0, {60, 90, 220});
  finishFigure(c);
}

void church(Canvas& c, Rng&) {
  building(c, 2, 10, 8, Plaster, {70, 80, 110});
  fillRect(c, 12, 3, 3, 11, Plaster);                     // bell tower
  stamp(c, 12, 0, {".#.", "###", ".#."}, {{'#', Gold}});  // cross
  fillRect(c, 6, 9, 2, 1, {120, 170, 230});               // window
  finishFigure(c);
}

void heart(Canvas& c, Rng&) {
  stamp(c, 0, 0,
        {"................", "................", "...rrr...rrr....", "..rwwrr.rrrrr...", ".rrwrrrrrrrrrr..",
         ".rrrrrrrrrrrrr..", ".rrrrrrrrrrrrr..", "..rrrrrrrrrrr...", "...rrrrrrrrr....", "....rrrrrrr.....",
         ".....rrrrr......", "......rrr.......", ".......r........", "................", "................",
         "................"},
        {{'r', {220, 30, 50}}, {'w', {255, 200, 210}}});
  finishFigure(c);
}

constexpr PictureSpec Structures[] = {
    {"bmp_structure", "hart.bmp", TileSide, TileSide, true, heart},
    {"bmp_structure", "structure_farm.bmp", TileSide, TileSide, true, farm},
    {"bmp_structure", "structure_merchant.bmp", TileSide, TileSide, true, merchant},
    {"bmp_structure", "structure_quary.bmp", TileSide, TileSide, true, quarry},
    {"bmp_structure", "structure_stable.bmp", TileSide, TileSide, true, stable},
    {"bmp_structure", "structure_tower.bmp", TileSide, TileSide, true, tower},
    {"bmp_structure", "structure_barrack.bmp", TileSide, TileSide, true, barracks},
    {"bmp_structure", "structure_blacksmith.bmp", TileSide, TileSide, true, blacksmith},
    {"bmp_structure", "structure_castle.bmp", TileSide, TileSide, true, castle},
    {"bmp_structure", "structure_church.bmp", TileSide, TileSide, true, church},
};

}  // namespace

std::span<const PictureSpec> structurePictures() { return Structures; }

}  // namespace gloam::makeart
