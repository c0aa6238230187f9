// Item pictures that are not weapons: potions, robes, armour, bags, the socket and corner pieces
// of the inventory frame, and the blank picture (all key colour: it draws nothing).
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"
#include "makeart/unit_bodies.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

void potion(Canvas& c, Colour liquid) {
  stamp(c, 0, 0,
        {"................", "................", "......cccc......", ".......gg.......", ".......gg.......",
         "......gggg......", ".....gwLLLg.....", "....gwLLLLLg....", "....gLLLLLLg....", "....gLLLLLLg....",
         "....gLLLLLdg....", "....gLLLLddg....", ".....gLddddg....", "......gggg......", "................",
         "................"},
        {{'c', Wood}, {'g', {200, 220, 230}}, {'w', {255, 255, 255}}, {'L', liquid}, {'d', shade(liquid, 0.7)}});
  finishFigure(c);
}

void robe(Canvas& c, Colour cloth) {
  stamp(c, 0, 0,
        {"................", ".....cc..cc.....", "....cCCccCCc....", "...cCCCttCCCc...", "..cCCCCttCCCCc..",
         ".cCCCCCttCCCCCc.", ".cCC.CCttCC.CCc.", ".cC..CCttCC..Cc.", ".....CCttCC.....", ".....CCttCC.....",
         "....CCCttCCC....", "....CCCttCCC....", "...CCCCttCCCC...", "...ccccccccccc..", "................",
         "................"},
        {{'C', cloth}, {'c', shade(cloth, 0.7)}, {'t', Gold}});
  finishFigure(c);
}

// Armour: one cuirass shape; `pattern` marks every other pixel with the detail colour (studs,
// rings, scales) and `shine` adds a bright stripe for polished plate.
void armour(Canvas& c, Colour body, Colour detail, int pattern, bool pauldrons, bool shine) {
  stamp(c, 0, 0,
        {"................", "................", "...AAA....AAA...", "..AAAAAaaAAAAA..", "..AAAAAAAAAAAA..",
         "..AAAAAAAAAAAA..", "...AAAAAAAAAA...", "....AAAAAAAA....", "....AAAAAAAA....", "....AAAAAAAA....",
         "....AAAAAAAA....", "....aaaaaaaa....", ".....AAAAAA.....", "................", "................",
         "................"},
        {{'A', body}, {'a', shade(body, 0.65)}});
  for (int y = 3; y < 13; ++y)
    for (int x = 2; x < 14; ++x)
      if (pattern > 0 && c.at(x, y) == body && (x + y * (pattern - 1)) % pattern == 0) c.set(x, y, detail);
  if (pauldrons) {
    ellipse(c, 3, 3, 2.5, 1.8, shade(body, 1.15));
    ellipse(c, 13, 3, 2.5, 1.8, shade(body, 1.15));
  }
  if (shine) line(c, 5, 4, 5, 10, mix(body, {255, 255, 255}, 0.6));
  finishFigure(c);
}

void bag(Canvas& c, Colour cloth) {
  stamp(c, 0, 0,
        {"................", "................", "......t..t......", ".......tt.......", "......cccc......",
         ".....cBBBBc.....", "....cBBBBBBc....", "...cBBBBBBBBc...", "...cBwBBBBBBc...", "..cBBwBBBBBBBc..",
         "..cBBBBBBBBBBc..", "..cBBBBBBBBBbc..", "...cBBBBBBBbc...", "....cccccccc....", "................",
         "................"},
        {{'t', {200, 170, 90}},
         {'c', shade(cloth, 0.65)},
         {'B', cloth},
         {'b', shade(cloth, 0.8)},
         {'w', mix(cloth, {255, 255, 255}, 0.4)}});
  finishFigure(c);
}

void socket(Canvas& c, Rng&) {
  ring(c, 8, 8, 6.5, 2.0, SteelDark);
  ring(c, 8, 8, 6.5, 1.0, Steel);
  disc(c, 8, 8, 4.5, {40, 36, 44});
  c.set(6, 6, {90, 86, 96});
  finishFigure(c);
}

// A bevelled gold corner of a frame; `corner` 1..4 is top-left, top-right, bottom-right, bottom-left.
template <int Corner>
void frameCorner(Canvas& c, Rng&) {
  Canvas piece(TileSide, TileSide, KeyColour);
  fillRect(piece, 1, 1, 14, 4, GoldDark);
  fillRect(piece, 1, 1, 4, 14, GoldDark);
  line(piece, 1, 1, 14, 1, GoldBright);
  line(piece, 1, 1, 1, 14, GoldBright);
  fillRect(piece, 2, 2, 2, 2, Gold);
  for (int y = 0; y < TileSide; ++y)
    for (int x = 0; x < TileSide; ++x) {
      const bool flipX = Corner == 2 || Corner == 3, flipY = Corner == 3 || Corner == 4;
      c.set(flipX ? TileSide - 1 - x : x, flipY ? TileSide - 1 - y : y, piece.at(x, y));
    }
  finishFigure(c);
}

void blank(Canvas&, Rng&) {}

constexpr PictureSpec Wear[] = {
    {"bmp_item", "blank.bmp", TileSide, TileSide, true, blank},
    {"bmp_item", "item_bag.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       bag(c, {150, 110, 64});
     }},
    {"bmp_item", "item_blue_bag.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       bag(c, {60, 90, 200});
     }},
    {"bmp_item", "item_potion_red.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       potion(c, {220, 30, 40});
     }},
    {"bmp_item", "item_potion_green.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       potion(c, {50, 200, 60});
     }},
    {"bmp_item", "item_potion_blue.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       potion(c, {40, 80, 230});
     }},
    {"bmp_item", "item_potion_yellow.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       potion(c, {240, 210, 40});
     }},
    {"bmp_item", "item_potion_white.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       potion(c, {236, 236, 236});
     }},
    {"bmp_item", "item_blue_robe.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       robe(c, {50, 80, 210});
     }},
    {"bmp_item", "item_red_robe.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       robe(c, {190, 36, 40});
     }},
    {"bmp_item", "item_gray_robe.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       robe(c, {130, 130, 136});
     }},
    {"bmp_item", "item_leather_armor.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       armour(c, {140, 92, 50}, {140, 92, 50}, 0, false, false);
     }},
    {"bmp_item", "item_studded_leather_armor.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       armour(c, {130, 86, 46}, Steel, 3, false, false);
     }},
    {"bmp_item", "item_chain_mail.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       armour(c, {150, 156, 166}, {96, 100, 110}, 2, false, false);
     }},
    {"bmp_item", "item_scale_armor_b.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       armour(c, {120, 140, 120}, {80, 96, 80}, 3, true, false);
     }},
    {"bmp_item", "item_plate_armor.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       armour(c, {186, 192, 204}, {186, 192, 204}, 0, false, true);
     }},
    {"bmp_item", "item_full_plate_armor.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       armour(c, {196, 202, 214}, {196, 202, 214}, 0, true, true);
     }},
    {"bmp_item", "item_magic_armor.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       armour(c, {130, 70, 200}, {220, 180, 255}, 4, true, true);
     }},
    {"bmp_item", "socket.bmp", TileSide, TileSide, true, socket},
    {"bmp_item", "alleviated_corner1.bmp", TileSide, TileSide, true, frameCorner<1>},
    {"bmp_item", "alleviated_corner2.bmp", TileSide, TileSide, true, frameCorner<2>},
    {"bmp_item", "alleviated_corner3.bmp", TileSide, TileSide, true, frameCorner<3>},
    {"bmp_item", "alleviated_corner4.bmp", TileSide, TileSide, true, frameCorner<4>},
};

}  // namespace

std::span<const PictureSpec> itemWearPictures() { return Wear; }

}  // namespace gloam::makeart
