// Weapon pictures, all lying on the same diagonal (grip at the bottom left, point at the top right)
// so that an inventory of them lines up. Improved ("ameliorated") weapons carry a blue glow.
#include <cmath>

#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"
#include "makeart/unit_bodies.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

constexpr Colour Glow{110, 190, 255};

// Pixels (x + i, y - i) for i in [0, length): the item's axis.
void diagonal(Canvas& c, int x, int y, int length, Colour col) {
  for (int i = 0; i < length; ++i) c.set(x + i, y - i, col);
}

struct Blade {
  int length;  // pixels along the diagonal beyond the guard
  int width;   // 1 to 3
  Colour metal;
  bool curved;
  bool glowing;
};

// The blade runs from just above the guard at (5, 10) toward the top right.
void drawBlade(Canvas& c, const Blade& b, int x, int y, int dir) {
  for (int i = 1; i <= b.length; ++i) {
    const int bend = b.curved && i > b.length / 2 ? (i - b.length / 2) / 2 : 0;
    const int px = x + dir * i + bend * dir, py = y - dir * i + bend * dir;
    c.set(px, py, i == b.length ? SteelBright : b.metal);
    if (b.width >= 2 && i < b.length) c.set(px + dir, py, shade(b.metal, 0.7));
    if (b.width >= 3 && i < b.length - 1) c.set(px, py + dir, shade(b.metal, 1.15));
  }
}

void glowAround(Canvas& c) {
  const Canvas before = c;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      if (before.at(x, y) != KeyColour) continue;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        if (before.inside(x + dx, y + dy) && before.at(x + dx, y + dy) != KeyColour) c.set(x, y, Glow);
    }
}

void sword(Canvas& c, const Blade& b, int guard = 2, int grip = 3) {
  drawBlade(c, b, 5, 10, 1);
  line(c, 5 - guard, 10 - guard, 5 + guard, 10 + guard, Gold);  // cross-guard across the axis
  for (int i = 1; i <= grip; ++i) c.set(5 - i, 10 + i, WoodDark);
  c.set(5 - grip - 1, 10 + grip + 1, GoldBright);  // pommel
  if (b.glowing) glowAround(c);
  finishFigure(c);
}

void twoBladed(Canvas& c, bool glowing) {
  const Blade b{6, 2, Steel, false, false};
  drawBlade(c, b, 8, 7, 1);
  drawBlade(c, b, 7, 8, -1);
  diagonal(c, 6, 9, 4, WoodDark);
  line(c, 5, 8, 7, 10, Gold);
  line(c, 8, 5, 10, 7, Gold);
  if (glowing) glowAround(c);
  finishFigure(c);
}

void polearm(Canvas& c, Colour head, bool axeHead) {
  diagonal(c, 1, 14, 11, Wood);
  if (axeHead)
    stamp(c, 9, 1, {"..##", ".###", "####", "###."}, {{'#', head}});
  else
    diagonal(c, 11, 4, 4, head), diagonal(c, 12, 4, 3, shade(head, 0.7));
  finishFigure(c);
}

// Fills the pixels around (cx, cy) whose coordinates along the haft (s, toward the head) and across
// it (t, positive to the upper left) satisfy `inside`; `edge` picks the brighter cutting edge.
template <typename Inside, typename Edge>
void head(Canvas& c, double cx, double cy, Colour metal, Inside inside, Edge edge) {
  constexpr double R = 0.70710678;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double s = (dx - dy) * R, t = (-dx - dy) * R;
      if (inside(s, t)) c.set(x, y, edge(s, t) ? SteelBright : metal);
    }
}

void axe(Canvas& c, int handle, bool doubleHead, Colour metal, Colour trim) {
  diagonal(c, 2, 13, handle, Wood);
  const double cx = 2 + handle - 2.5, cy = 13 - handle + 2.5;
  const auto blade = [doubleHead](double s, double t) {
    const double a = doubleHead ? std::abs(t) : t;
    return a > 0.5 && a < 4.6 && std::abs(s) < 1.0 + 0.45 * a;
  };
  head(c, cx, cy, metal, blade, [doubleHead](double, double t) { return (doubleHead ? std::abs(t) : t) > 3.6; });
  c.set(static_cast<int>(cx), static_cast<int>(cy), trim);
  finishFigure(c);
}

void blunt(Canvas& c, int handle, int headRadius, Colour head, bool spiked) {
  diagonal(c, 2, 13, handle, Wood);
  const double hx = 2 + handle + 0.5, hy = 13 - handle + 0.5;
  disc(c, hx, hy, headRadius + 0.3, head);
  c.set(static_cast<int>(hx) - 1, static_cast<int>(hy) - 1, mix(head, {255, 255, 255}, 0.5));
  if (spiked)
    for (auto [dx, dy] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}})
      c.set(static_cast<int>(hx) + dx * (headRadius + 1), static_cast<int>(hy) + dy * (headRadius + 1), SteelBright);
  finishFigure(c);
}

void stick(Canvas& c, int length, Colour wood, Colour tip, double tipRadius) {
  diagonal(c, 2, 13, length, wood);
  disc(c, 2 + length + 0.5, 13 - length + 0.5, tipRadius, tip);
  finishFigure(c);
}

void twoBladedSword(Canvas& c, Rng&) { twoBladed(c, false); }
void twoBladedImproved(Canvas& c, Rng&) { twoBladed(c, true); }
void glaive(Canvas& c, Rng&) { polearm(c, SteelBright, false); }
void maul(Canvas& c, Rng&) {
  diagonal(c, 2, 13, 10, Wood);
  head(
      c, 10.5, 5.5, SteelDark, [](double s, double t) { return std::abs(s) < 1.8 && std::abs(t) < 3.6; },
      [](double s, double) { return s > 1.0; });
  finishFigure(c);
}
void morningstar(Canvas& c, Rng&) { blunt(c, 9, 2, SteelDark, true); }
void mace(Canvas& c, Rng&) { blunt(c, 9, 2, Steel, false); }
void warMace(Canvas& c, Rng&) { blunt(c, 9, 3, Steel, true); }
void staff(Canvas& c, Rng&) { stick(c, 12, Wood, WoodLight, 1.6); }
void rod(Canvas& c, Rng&) { stick(c, 10, Steel, {220, 40, 60}, 1.4); }
void wand(Canvas& c, Rng&) { stick(c, 7, {60, 40, 30}, {255, 250, 180}, 1.2); }
void handAxe(Canvas& c, Rng&) { axe(c, 8, false, Steel, Steel); }
void plainAxe(Canvas& c, Rng&) { axe(c, 10, false, Steel, Steel); }
void battleAxe(Canvas& c, Rng&) { axe(c, 11, true, Steel, Steel); }
void ironBattleAxe(Canvas& c, Rng&) { axe(c, 11, true, SteelDark, SteelDark); }
void ironOrderedBattleAxe(Canvas& c, Rng&) { axe(c, 11, true, SteelDark, GoldBright); }
void ironRubiousBattleAxe(Canvas& c, Rng&) { axe(c, 11, true, SteelDark, {230, 30, 50}); }

constexpr PictureSpec Weapons[] = {
    {"bmp_item", "item_knife.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {4, 1, Steel, false, false}, 1, 2);
     }},
    {"bmp_item", "item_dagger.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {6, 1, Steel, false, false}, 1, 2);
     }},
    {"bmp_item", "item_short_sword.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {7, 2, Steel, false, false});
     }},
    {"bmp_item", "item_gauche.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {6, 1, SteelBright, false, false}, 3, 2);
     }},
    {"bmp_item", "item_long_sword.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {9, 2, Steel, false, false});
     }},
    {"bmp_item", "item_bastard_sword.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {10, 2, Steel, false, false}, 2, 4);
     }},
    {"bmp_item", "item_kopesh.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {8, 2, {200, 170, 100}, true, false});
     }},
    {"bmp_item", "item_blade.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {9, 3, Steel, false, false});
     }},
    {"bmp_item", "item_blade_ameliorated.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {9, 3, SteelBright, false, true});
     }},
    {"bmp_item", "item_behead.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {9, 3, SteelDark, false, false}, 1, 4);
     }},
    {"bmp_item", "item_broad_sword.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {9, 3, SteelBright, false, false}, 3, 3);
     }},
    {"bmp_item", "item_horner.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {8, 2, {180, 170, 150}, true, false}, 2, 3);
     }},
    {"bmp_item", "item_glaive.bmp", TileSide, TileSide, true, glaive},
    {"bmp_item", "item_saber.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {9, 1, SteelBright, true, false});
     }},
    {"bmp_item", "item_saber_ameliorated.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {9, 1, SteelBright, true, true});
     }},
    {"bmp_item", "item_whale_blade.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {10, 3, Bone, true, false});
     }},
    {"bmp_item", "item_whale_blade_ameliorated.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {10, 3, Bone, true, true});
     }},
    {"bmp_item", "item_two_handed_sword.bmp", TileSide, TileSide, true,
     [](Canvas& c, Rng&) {
       sword(c, {10, 2, Steel, false, false}, 2, 4);
     }},
    {"bmp_item", "item_two_bladed_sword.bmp", TileSide, TileSide, true, twoBladedSword},
    {"bmp_item", "item_two_bladed_sword_ameliorated.bmp", TileSide, TileSide, true, twoBladedImproved},
    {"bmp_item", "item_maul.bmp", TileSide, TileSide, true, maul},
    {"bmp_item", "item_morningstar.bmp", TileSide, TileSide, true, morningstar},
    {"bmp_item", "item_mace.bmp", TileSide, TileSide, true, mace},
    {"bmp_item", "item_war_mace.bmp", TileSide, TileSide, true, warMace},
    {"bmp_item", "item_staff.bmp", TileSide, TileSide, true, staff},
    {"bmp_item", "item_rod.bmp", TileSide, TileSide, true, rod},
    {"bmp_item", "item_wand.bmp", TileSide, TileSide, true, wand},
    {"bmp_item", "item_hand_axe.bmp", TileSide, TileSide, true, handAxe},
    {"bmp_item", "item_axe.bmp", TileSide, TileSide, true, plainAxe},
    {"bmp_item", "item_battle_axe.bmp", TileSide, TileSide, true, battleAxe},
    {"bmp_item", "item_iron_battle_axe.bmp", TileSide, TileSide, true, ironBattleAxe},
    {"bmp_item", "item_iron_ordered_battle_axe.bmp", TileSide, TileSide, true, ironOrderedBattleAxe},
    {"bmp_item", "item_iron_rubioux_battle_axe.bmp", TileSide, TileSide, true, ironRubiousBattleAxe},
};

}  // namespace

std::span<const PictureSpec> itemWeaponPictures() { return Weapons; }

}  // namespace gloam::makeart
