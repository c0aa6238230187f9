// Portraits of the beasts: vermin, hounds, serpents, insects, slimes, eyes, fungi and dragons.
// Shapes come from the shared body templates; the odd ones (worm, spider, eye, cube) are drawn here.
#include <cmath>

#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"
#include "makeart/unit_bodies.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

constexpr Colour Eye{24, 18, 24};
constexpr Colour RedEye{255, 40, 30};

void paintBeast(Canvas& c, const BodyTemplate& body, Colour fur, Colour eye, Colour tail) {
  paintBody(c, body,
            {{'H', fur},
             {'E', shade(fur, 0.8)},
             {'e', eye},
             {'N', shade(fur, 0.6)},
             {'B', fur},
             {'b', shade(fur, 0.75)},
             {'L', shade(fur, 0.85)},
             {'F', shade(fur, 0.6)},
             {'T', tail}});
  finishFigure(c);
}

void paintRat(Canvas& c, Rng&) { paintBeast(c, BeastBody, {134, 116, 100}, RedEye, {220, 160, 160}); }
void paintDog(Canvas& c, Rng&) { paintBeast(c, BeastBody, {168, 120, 70}, Eye, {168, 120, 70}); }
void paintGorDog(Canvas& c, Rng&) { paintBeast(c, BigBeastBody, {70, 60, 66}, RedEye, {70, 60, 66}); }
void paintPolarBear(Canvas& c, Rng&) { paintBeast(c, BigBeastBody, {236, 240, 246}, Eye, {236, 240, 246}); }

void paintRustMonster(Canvas& c, Rng&) {
  paintBody(c, BigBeastBody,
            {{'H', {190, 100, 50}},
             {'E', {150, 80, 40}},
             {'e', {255, 230, 80}},
             {'N', {120, 60, 30}},
             {'B', {176, 92, 46}},
             {'b', {130, 66, 34}},
             {'L', {150, 80, 40}},
             {'F', {110, 56, 28}}});
  line(c, 1, 3, 3, 0, {210, 130, 70});  // feelers
  line(c, 3, 3, 5, 0, {210, 130, 70});
  finishFigure(c);
}

void paintSerpentOf(Canvas& c, Colour scales, Colour belly) {
  paintBody(c, SerpentBody, {{'H', scales}, {'e', {255, 220, 40}}, {'t', {220, 30, 30}}, {'B', scales}, {'b', belly}});
  finishFigure(c);
}

void paintSerpent(Canvas& c, Rng&) { paintSerpentOf(c, {70, 150, 60}, {190, 200, 100}); }
void paintSerpentFire(Canvas& c, Rng&) { paintSerpentOf(c, {220, 80, 30}, {255, 200, 60}); }

void paintBeetleOf(Canvas& c, Colour shell, Colour seam) {
  paintBody(c, BeetleBody,
            {{'a', shade(shell, 0.7)},
             {'l', shade(shell, 0.6)},
             {'H', shade(shell, 0.7)},
             {'E', {255, 230, 120}},
             {'B', shell},
             {'A', seam}});
  c.set(6, 8, mix(shell, {255, 255, 255}, 0.5));  // shine on the shell
  finishFigure(c);
}

void paintBeetle(Canvas& c, Rng&) { paintBeetleOf(c, {60, 110, 150}, {30, 50, 80}); }
void paintBeetleFire(Canvas& c, Rng&) { paintBeetleOf(c, {220, 70, 30}, Flame); }

void paintMantis(Canvas& c, Rng&) {
  paintBody(c, MantisBody,
            {{'a', {120, 200, 80}},
             {'H', {110, 200, 70}},
             {'E', {40, 40, 40}},
             {'S', {90, 170, 60}},
             {'B', {100, 186, 64}},
             {'L', {80, 150, 50}},
             {'b', {70, 130, 40}}});
  finishFigure(c);
}

void paintSlime(Canvas& c, Rng&) {
  paintBody(c, BlobBody, {{'B', {80, 200, 60}}, {'b', {50, 140, 40}}, {'H', {190, 250, 160}}, {'E', Eye}});
  finishFigure(c);
}

void paintGelatinousCube(Canvas& c, Rng&) {
  fillRect(c, 2, 3, 12, 12, {120, 210, 200});
  fillRect(c, 2, 3, 12, 1, {200, 250, 244});
  fillRect(c, 2, 3, 1, 12, {170, 236, 228});
  fillRect(c, 13, 4, 1, 11, {80, 160, 156});
  stamp(c, 5, 7, {"b..", "bbb", "..b"}, {{'b', Bone}});  // a swallowed bone and a coin
  disc(c, 10.5, 11.5, 1.2, Gold);
  finishFigure(c);
}

void paintSpider(Canvas& c, Rng&) {
  const Colour leg{60, 40, 40};
  for (int i = 0; i < 4; ++i) {  // four legs a side, bent at the knee
    const int y = 5 + 2 * i;
    line(c, 7, y + 1, 3, y - 1, leg);
    line(c, 3, y - 1, 1, y + 2, leg);
    line(c, 8, y + 1, 12, y - 1, leg);
    line(c, 12, y - 1, 14, y + 2, leg);
  }
  disc(c, 8, 11, 3.6, {70, 44, 44});
  disc(c, 8, 6, 2.4, {90, 56, 56});
  c.set(7, 5, RedEye);
  c.set(8, 5, RedEye);
  line(c, 7, 10, 8, 13, {200, 30, 30});  // the red mark on the back
  finishFigure(c);
}

void paintWorm(Canvas& c, Rng&) {
  for (int i = 9; i >= 0; --i) {  // segments from tail to head, so the head is drawn last
    const double x = 13 - i * 1.1, y = 9 + 3.5 * std::sin(i * 0.7);
    disc(c, x, y, 2.4 - i * 0.05, i % 2 ? Colour{196, 130, 120} : Colour{170, 104, 96});
  }
  disc(c, 2.5, 9.0, 1.3, {90, 30, 40});  // maw
  finishFigure(c);
}

void paintEyeOf(Canvas& c, Colour iris, bool wizard) {
  disc(c, 8, 9, 6.0, {236, 230, 226});
  disc(c, 8, 9, 3.0, iris);
  disc(c, 8, 9, 1.4, {20, 14, 20});
  c.set(7, 8, {255, 255, 255});
  for (auto [x, y] : {std::pair{3, 7}, {12, 11}, {4, 12}}) c.set(x, y, {210, 60, 60});  // veins
  if (wizard)
    stamp(c, 4, 0, {"...##...", "..####..", ".######.", "########"}, {{'#', {120, 60, 200}}});
  else
    for (int x : {4, 8, 12}) line(c, x, 14, x + (x - 8) / 4, 15, {160, 100, 120});  // stalks
  finishFigure(c);
}

void paintFloatingEye(Canvas& c, Rng&) { paintEyeOf(c, {60, 140, 220}, false); }
void paintMageEye(Canvas& c, Rng&) { paintEyeOf(c, {160, 60, 220}, true); }

void paintFungus(Canvas& c, Rng&) {
  const Colour stem{226, 214, 186}, cap{190, 60, 50}, spot{250, 240, 230};
  fillRect(c, 5, 8, 3, 6, stem);
  ellipse(c, 6.5, 7.5, 5.0, 3.0, cap);
  fillRect(c, 11, 11, 2, 3, stem);
  ellipse(c, 12, 11, 3.0, 2.0, {170, 110, 60});
  for (auto [x, y] : {std::pair{4, 6}, {7, 5}, {9, 7}, {3, 8}}) c.set(x, y, spot);
  finishFigure(c);
}

void paintDragonOf(Canvas& c, const BodyTemplate& body, Colour scales, Colour wing) {
  paintBody(c, body,
            {{'W', wing},
             {'w', shade(wing, 0.7)},
             {'H', scales},
             {'e', {255, 220, 40}},
             {'E', {255, 220, 40}},
             {'t', {255, 120, 30}},
             {'N', scales},
             {'B', scales},
             {'b', {220, 200, 120}},
             {'T', scales},
             {'L', shade(scales, 0.8)},
             {'F', shade(scales, 0.6)}});
}

void paintDragon(Canvas& c, Rng&) {
  paintDragonOf(c, DragonBody, {190, 40, 36}, {150, 30, 40});
  finishFigure(c);
}

void paintHydra(Canvas& c, Rng&) {
  paintDragonOf(c, HydraBody, {60, 140, 110}, {60, 140, 110});
  finishFigure(c);
}

void paintBasilisk(Canvas& c, Rng&) {
  paintDragonOf(c, LizardBody, {150, 150, 60}, {150, 150, 60});
  stamp(c, 5, 4, {"#.#.#"}, {{'#', {200, 60, 40}}});  // crest
  finishFigure(c);
}

constexpr PictureSpec Creatures[] = {
    {"bmp_unit", "unit_giant_rat.bmp", TileSide, TileSide, true, paintRat},
    {"bmp_unit", "unit_green_slime.bmp", TileSide, TileSide, true, paintSlime},
    {"bmp_unit", "unit_dog.bmp", TileSide, TileSide, true, paintDog},
    {"bmp_unit", "unit_serpent.bmp", TileSide, TileSide, true, paintSerpent},
    {"bmp_unit", "unit_fungus.bmp", TileSide, TileSide, true, paintFungus},
    {"bmp_unit", "unit_beatle.bmp", TileSide, TileSide, true, paintBeetle},
    {"bmp_unit", "unit_gor_dog.bmp", TileSide, TileSide, true, paintGorDog},
    {"bmp_unit", "unit_giant_spider.bmp", TileSide, TileSide, true, paintSpider},
    {"bmp_unit", "unit_serpent_fire.bmp", TileSide, TileSide, true, paintSerpentFire},
    {"bmp_unit", "unit_beatle_fire.bmp", TileSide, TileSide, true, paintBeetleFire},
    {"bmp_unit", "unit_rust_monster.bmp", TileSide, TileSide, true, paintRustMonster},
    {"bmp_unit", "unit_giant_worm.bmp", TileSide, TileSide, true, paintWorm},
    {"bmp_unit", "unit_gelatinous_cube.bmp", TileSide, TileSide, true, paintGelatinousCube},
    {"bmp_unit", "unit_polar_geer.bmp", TileSide, TileSide, true, paintPolarBear},
    {"bmp_unit", "unit_floating_eye.bmp", TileSide, TileSide, true, paintFloatingEye},
    {"bmp_unit", "unit_mage_eye.bmp", TileSide, TileSide, true, paintMageEye},
    {"bmp_unit", "unit_mantis.bmp", TileSide, TileSide, true, paintMantis},
    {"bmp_unit", "unit_dragon.bmp", TileSide, TileSide, true, paintDragon},
    {"bmp_unit", "unit_dragon_hydra.bmp", TileSide, TileSide, true, paintHydra},
    {"bmp_unit", "unit_dragon_basilic.bmp", TileSide, TileSide, true, paintBasilisk},
};

}  // namespace

std::span<const PictureSpec> unitCreaturePictures() { return Creatures; }

}  // namespace gloam::makeart
