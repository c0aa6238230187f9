// Overworld sites on grass: villages (their roofs give their colour), ruin, castle, grotto, mine,
// iron mine and well. Sites are opaque tiles like the terrain around them.
#include "makeart/land_terrain.hpp"
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"
#include "makeart/unit_bodies.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

constexpr Colour Plaster{226, 214, 184};
constexpr Colour PlasterShade{176, 162, 134};
constexpr Colour Doorway{60, 40, 28};

// A cottage seen from the front-above: a big roof (the village's colour) over a wall with a door,
// edged in dark so it stands off the grass.
void house(Canvas& c, int x, int y, int w, Colour roof) {
  for (int row = 0; row < 4; ++row) {
    line(c, x + 2 - row, y + row, x + w - 3 + row, y + row, row == 0 ? shade(roof, 1.25) : roof);
    c.set(x + 1 - row, y + row, Outline);
    c.set(x + w - 2 + row, y + row, Outline);
  }
  line(c, x + 2, y - 1, x + w - 3, y - 1, Outline);
  line(c, x - 1, y + 4, x + w, y + 4, shade(roof, 0.6));  // the eaves' shadow
  fillRect(c, x, y + 5, w, 3, Plaster);
  line(c, x + w - 1, y + 5, x + w - 1, y + 7, PlasterShade);
  fillRect(c, x + w / 2 - 1, y + 6, 2, 2, Doorway);
  c.set(x + 1, y + 6, {90, 130, 190});  // window
  line(c, x - 1, y + 8, x + w, y + 8, Outline);
  line(c, x - 1, y + 5, x - 1, y + 7, Outline);
  line(c, x + w, y + 5, x + w, y + 7, Outline);
}

void paintVillageOf(Canvas& c, Rng& rng, Colour roof) {
  paintGrass(c, rng);
  line(c, 0, 12, 15, 12, {150, 120, 80});  // the village street
  house(c, 2, 1, 6, roof);
  house(c, 9, 3, 6, shade(roof, 0.9));
  house(c, 4, 7, 7, shade(roof, 1.1));
}

void paintVillage(Canvas& c, Rng& rng) { paintVillageOf(c, rng, {150, 96, 52}); }
void paintVillageYellow(Canvas& c, Rng& rng) { paintVillageOf(c, rng, {236, 196, 40}); }
void paintVillageBlue(Canvas& c, Rng& rng) { paintVillageOf(c, rng, {54, 96, 220}); }
void paintVillageGreen(Canvas& c, Rng& rng) { paintVillageOf(c, rng, {40, 170, 70}); }
void paintVillageRed(Canvas& c, Rng& rng) { paintVillageOf(c, rng, {210, 44, 36}); }

const Palette SitePalette = {
    {'S', StoneLight},    {'s', Stone},          {'d', StoneDark},    {'o', Outline},       {'k', {30, 24, 24}},
    {'r', {200, 40, 40}}, {'w', Wood},           {'W', WoodLight},    {'b', {110, 84, 60}}, {'B', {140, 110, 80}},
    {'i', {180, 96, 60}}, {'I', {210, 130, 80}}, {'c', {90, 80, 70}}, {'y', Gold}};

// A site drawn as a figure: outlined in dark on its own, then laid over the grass.
void siteFigure(Canvas& c, Rng& rng, std::initializer_list<std::string_view> rows) {
  paintGrass(c, rng);
  Canvas figure(c.width, c.height, KeyColour);
  stamp(figure, 0, 0, rows, SitePalette);
  finishFigure(figure);
  overlayKeyed(c, figure, 0, 0);
}

void paintRuin(Canvas& c, Rng& rng) {
  siteFigure(c, rng,
             {"................", "..S.........S...", "..SS....S...SS..", "..Ss...SS...Ss..", "..SsS..Ss..SSs..",
              "..SsSSSSs.SSSs..", "..SsssSss.Ssss..", "..dddddddddddd..", "................", "..Ss......Ss....",
              "..SsS.....dd.S..", "..ddd.........d.", "................", "...SS...S.......", "...dd...d.......",
              "................"});
}

void paintCastle(Canvas& c, Rng& rng) {
  siteFigure(c, rng,
             {".......r........", ".......rr.......", ".......o........", ".S.S..SoS..S.S..", ".SSS..SSS..SSS..",
              ".SsS.SSsSS.SsS..", ".SsSSSSsSSSSsS..", ".SsSsSsSsSsSsS..", ".SsSSSSSSSSSsS..", ".SsSSSkkkSSSsS..",
              ".SsSSkkkkkSSsS..", ".SsSSkkkkkSSsS..", ".ddddkkkkkdddd..", "................", "................",
              "................"});
}

void paintGrotto(Canvas& c, Rng& rng) {
  siteFigure(c, rng,
             {"................", "................", "....bbbbbbb.....", "...bBBBBBBBb....", "..bBBBBBBBBBb...",
              ".bBBBBkkkBBBBb..", ".bBBBkkkkkBBBb..", ".bBBkkkkkkkBBBb.", "bBBBkkkkkkkBBBb.", "bBBkkkkkkkkkBBb.",
              "bbbkkkkkkkkkbbb.", "................", "................", "................", "................",
              "................"});
}

void paintMineOf(Canvas& c, Rng& rng, bool iron) {
  siteFigure(c, rng,
             {"................", "....bbbbbbbb....", "...bBBBBBBBBb...", "..bBBBBBBBBBBb..", ".bBBwwwwwwwBBBb.",
              ".bBBwkkkkkwBBBb.", ".bBBwkkkkkwBBBb.", ".bBBwkkkkkwBBBb.", ".bbbwkkkkkwbbbb.", ".....cWcWc......",
              ".....cWcWc......", ".....cWcWc......", "................", "................", "................",
              "................"});
  if (iron) {
    stamp(c, 10, 10, {".iI..", "iiIi.", "iiiii"}, SitePalette);  // a heap of rusty ore
  } else {
    stamp(c, 11, 11, {"..y.", ".yyy"}, SitePalette);  // a little gold
  }
}

void paintMine(Canvas& c, Rng& rng) { paintMineOf(c, rng, false); }
void paintIronMine(Canvas& c, Rng& rng) { paintMineOf(c, rng, true); }

void paintWell(Canvas& c, Rng& rng) {
  siteFigure(c, rng,
             {"................", "....rrrrrrrr....", "...rrrrrrrrrr...", "..rrrrrrrrrrrr..", "....w......w....",
              "....w..ww..w....", "....w..ww..w....", "...SSSSSSSSSS...", "..SsssssssssSS..", "..SskkkkkkkkSS..",
              "..SssssssssssS..", "..SSSSSSSSSSSS..", "..dddddddddddd..", "................", "................",
              "................"});
}

constexpr PictureSpec Sites[] = {
    {"bmp_land", "village_b.bmp", TileSide, TileSide, false, paintVillage},
    {"bmp_land", "village_b_yellow.bmp", TileSide, TileSide, false, paintVillageYellow},
    {"bmp_land", "village_b_blue.bmp", TileSide, TileSide, false, paintVillageBlue},
    {"bmp_land", "village_b_green.bmp", TileSide, TileSide, false, paintVillageGreen},
    {"bmp_land", "village_b_red.bmp", TileSide, TileSide, false, paintVillageRed},
    {"bmp_land", "ruin_a.bmp", TileSide, TileSide, false, paintRuin},
    {"bmp_land", "castle_a.bmp", TileSide, TileSide, false, paintCastle},
    {"bmp_land", "grottus.bmp", TileSide, TileSide, false, paintGrotto},
    {"bmp_land", "mine.bmp", TileSide, TileSide, false, paintMine},
    {"bmp_land", "iron_mine.bmp", TileSide, TileSide, false, paintIronMine},
    {"bmp_land", "well.bmp", TileSide, TileSide, false, paintWell},
};

}  // namespace

std::span<const PictureSpec> landSitePictures() { return Sites; }

}  // namespace gloam::makeart
