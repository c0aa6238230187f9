// Portraits of the people and the undead: fighters, casters, goblins, orcs, ogres, the skeletons.
// The mage is the player's figure: the brightest blue in the game, a starred hat and a light outline.
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"
#include "makeart/unit_bodies.hpp"
#include "makeart/unit_gear.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

constexpr Colour Eye{24, 18, 24};
constexpr Colour RedEye{255, 40, 30};
constexpr Colour Leather{120, 78, 44};
constexpr Colour Boot{70, 44, 28};

void paintMage(Canvas& c, Rng&) {
  paintBody(c, WizardBody,
            {{'H', {70, 124, 255}},
             {'S', Skin},
             {'E', Eye},
             {'Y', {244, 244, 240}},
             {'B', {46, 92, 246}},
             {'A', GoldBright}});
  c.set(7, 2, GoldBright);  // a star on the hat
  c.set(8, 3, GoldBright);
  line(c, 3, 4, 12, 4, {120, 170, 255});  // lit brim
  holdStaff(c, {120, 255, 255});
  finishFigure(c, true);
}

void paintFighter(Canvas& c, Rng&) {
  paintBody(
      c, HumanoidBody,
      {{'H', Steel}, {'S', Skin}, {'E', Eye}, {'B', {176, 40, 40}}, {'A', Leather}, {'L', {90, 80, 70}}, {'F', Boot}});
  holdSword(c, SteelBright);
  holdShield(c, {150, 110, 60}, Gold);
  finishFigure(c);
}

void paintBandit(Canvas& c, Rng&) {
  paintBody(c, HumanoidBody,
            {{'H', {56, 76, 44}},
             {'S', Skin},
             {'E', Eye},
             {'B', Leather},
             {'A', {60, 40, 24}},
             {'L', {60, 56, 50}},
             {'F', Boot}});
  line(c, 5, 5, 10, 5, {40, 40, 44});  // a mask over the mouth
  holdDagger(c);
  finishFigure(c);
}

void paintCleric(Canvas& c, Rng&) {
  paintBody(c, HoodedBody, {{'H', {236, 236, 228}}, {'S', Skin}, {'E', Eye}, {'B', {228, 226, 216}}, {'A', Gold}});
  stamp(c, 7, 9, {".#.", "###", ".#."}, {{'#', Gold}});  // the holy sign on the chest
  holdMace(c);
  finishFigure(c);
}

void paintDrius(Canvas& c, Rng&) {
  paintBody(c, HoodedBody,
            {{'H', {60, 120, 50}}, {'S', Skin}, {'E', Eye}, {'B', {84, 140, 60}}, {'A', {150, 100, 50}}});
  holdStaff(c, {140, 230, 90});
  finishFigure(c);
}

void paintNabos(Canvas& c, Rng&) {
  paintBody(
      c, HoodedBody,
      {{'H', {40, 40, 90}}, {'S', {30, 26, 50}}, {'E', {255, 220, 60}}, {'B', {46, 44, 100}}, {'A', {120, 40, 140}}});
  holdDagger(c);
  finishFigure(c);
}

void paintLich(Canvas& c, Rng&) {
  paintBody(c, HoodedBody, {{'H', {104, 40, 140}}, {'S', Bone}, {'E', RedEye}, {'B', {70, 30, 100}}, {'A', Gold}});
  holdStaff(c, {80, 255, 120});
  finishFigure(c);
}

void paintMedusa(Canvas& c, Rng&) {
  paintBody(c, HoodedBody,
            {{'H', {60, 150, 60}}, {'S', {170, 210, 150}}, {'E', {255, 230, 40}}, {'B', {50, 120, 70}}, {'A', Gold}});
  for (auto [x, y] : {std::pair{4, 2}, {11, 2}, {3, 4}, {12, 4}, {7, 1}}) c.set(x, y, {100, 200, 80});  // snakes
  for (int y = 11; y < 15; ++y) c.set(y % 2 ? 6 : 9, y, {90, 170, 90});                                 // scales
  finishFigure(c);
}

void paintGoblin(Canvas& c, Rng&) {
  paintBody(c, ShortBody,
            {{'H', {100, 150, 56}},
             {'S', {110, 164, 62}},
             {'E', RedEye},
             {'B', {110, 84, 50}},
             {'A', {70, 50, 30}},
             {'L', {90, 120, 50}},
             {'F', Boot}});
  c.set(4, 5, {110, 164, 62});  // pointed ears
  c.set(11, 5, {110, 164, 62});
  holdDagger(c);
  finishFigure(c);
}

void paintDwarf(Canvas& c, Rng&) {
  paintBody(
      c, ShortBody,
      {{'H', Steel}, {'S', Skin}, {'E', Eye}, {'B', {130, 84, 50}}, {'A', Gold}, {'L', {100, 70, 50}}, {'F', Boot}});
  stamp(c, 5, 6, {"######", ".####.", "..##.."}, {{'#', {200, 110, 40}}});  // the beard
  holdAxe(c);
  finishFigure(c);
}

void paintOrc(Canvas& c, Rng&) {
  paintBody(c, HumanoidBody,
            {{'H', {44, 42, 38}},
             {'S', {84, 124, 56}},
             {'E', RedEye},
             {'B', {92, 82, 70}},
             {'A', Leather},
             {'L', {70, 64, 56}},
             {'F', Boot}});
  c.set(6, 5, Bone);  // tusks
  c.set(9, 5, Bone);
  holdAxe(c);
  finishFigure(c);
}

void paintOgre(Canvas& c, Rng&) {
  paintBody(c, BruteBody,
            {{'S', {176, 156, 96}},
             {'E', Eye},
             {'N', {150, 120, 70}},
             {'B', {120, 90, 54}},
             {'A', {80, 56, 30}},
             {'L', {150, 132, 80}},
             {'F', {110, 90, 60}}});
  holdClub(c);
  finishFigure(c);
}

void paintMinotaur(Canvas& c, Rng&) {
  paintBody(c, BruteBody,
            {{'h', Bone},
             {'S', {124, 72, 40}},
             {'E', RedEye},
             {'N', {200, 140, 120}},
             {'B', {100, 60, 34}},
             {'A', Gold},
             {'L', {110, 64, 36}},
             {'F', {60, 40, 30}}});
  holdAxe(c);
  finishFigure(c);
}

void paintPleidian(Canvas& c, Rng&) {
  paintBody(c, AlienBody, {{'H', {176, 186, 200}}, {'E', {20, 20, 40}}, {'B', {120, 150, 200}}});
  finishFigure(c);
}

// Skeletons: one frame, told apart by tint, eyes and what they carry.
void paintBones(Canvas& c, Colour bone, Colour eye) {
  paintBody(c, SkeletonBody, {{'W', bone}, {'E', eye}, {'k', shade(bone, 0.45)}});
}

void paintSkeleton(Canvas& c, Rng&) {
  paintBones(c, Bone, Eye);
  finishFigure(c);
}

void paintSkeletonBrave(Canvas& c, Rng&) {
  paintBones(c, Bone, Eye);
  holdSword(c, Steel);
  finishFigure(c);
}

void paintSkeletonWarrior(Canvas& c, Rng&) {
  paintBones(c, Bone, Eye);
  holdSword(c, SteelBright);
  holdShield(c, {120, 60, 50}, Bone);
  finishFigure(c);
}

void paintSkeletonSturdy(Canvas& c, Rng&) {
  paintBones(c, {210, 196, 150}, Eye);
  fillRect(c, 5, 8, 6, 3, {210, 196, 150});  // a thick, solid rib cage
  holdClub(c);
  finishFigure(c);
}

void paintSkeletonArmored(Canvas& c, Rng&) {
  paintBones(c, Bone, RedEye);
  fillRect(c, 5, 1, 6, 2, Steel);  // helmet and breastplate
  fillRect(c, 4, 7, 8, 4, SteelDark);
  line(c, 4, 7, 11, 7, Steel);
  holdMace(c);
  finishFigure(c);
}

void paintSkeletonZombie(Canvas& c, Rng&) {
  paintBones(c, {150, 170, 116}, RedEye);
  fillRect(c, 5, 8, 6, 3, {100, 80, 56});  // rags
  finishFigure(c);
}

void paintSkeletonZombieWounded(Canvas& c, Rng&) {
  paintBones(c, {150, 170, 116}, RedEye);
  fillRect(c, 5, 8, 6, 3, {100, 80, 56});
  for (auto [x, y] : {std::pair{6, 2}, {9, 9}, {3, 9}, {10, 13}, {5, 12}}) c.set(x, y, {200, 20, 20});
  finishFigure(c);
}

void paintSkeletonFloating(Canvas& c, Rng&) {
  paintBones(c, {210, 226, 240}, {80, 200, 255});
  fillRect(c, 4, 12, 8, 4, KeyColour);  // no legs: a wisp instead
  stamp(c, 4, 12, {".######.", "..####..", "...##...", "....#..."}, {{'#', {150, 190, 230}}});
  finishFigure(c);
}

void paintSkeletonFire(Canvas& c, Rng&) {
  paintBones(c, {240, 170, 90}, {255, 240, 120});
  stamp(c, 5, 0, {"#.##.#"}, {{'#', Flame}});
  finishFigure(c);
}

void paintSkeletonEvil(Canvas& c, Rng&) {
  paintBones(c, {150, 130, 170}, RedEye);
  c.set(5, 0, {200, 40, 40});  // horns
  c.set(10, 0, {200, 40, 40});
  holdSword(c, {200, 40, 40});
  finishFigure(c);
}

void paintSkeletonBrute(Canvas& c, bool horned) {
  paintBody(c, BruteBody,
            {{'h', {200, 190, 160}},
             {'S', Bone},
             {'E', horned ? RedEye : Eye},
             {'N', BoneShade},
             {'B', BoneShade},
             {'A', {110, 100, 90}},
             {'L', Bone},
             {'F', BoneShade}});
  if (!horned) fillRect(c, 4, 1, 8, 2, KeyColour);
  for (int y = 8; y <= 10; ++y) line(c, 5, y, 10, y, y % 2 ? Bone : shade(Bone, 0.5));  // ribs
}

void paintSkeletonMonster(Canvas& c, Rng&) {
  paintSkeletonBrute(c, true);
  finishFigure(c);
}
void paintSkeletonOgre(Canvas& c, Rng&) {
  paintSkeletonBrute(c, false);
  holdClub(c);
  finishFigure(c);
}

constexpr PictureSpec People[] = {
    {"bmp_unit", "unit_mage.bmp", TileSide, TileSide, true, paintMage},
    {"bmp_unit", "unit_fighter.bmp", TileSide, TileSide, true, paintFighter},
    {"bmp_unit", "unit_bandit.bmp", TileSide, TileSide, true, paintBandit},
    {"bmp_unit", "unit_cleric.bmp", TileSide, TileSide, true, paintCleric},
    {"bmp_unit", "unit_drius.bmp", TileSide, TileSide, true, paintDrius},
    {"bmp_unit", "unit_nabos.bmp", TileSide, TileSide, true, paintNabos},
    {"bmp_unit", "unit_lich.bmp", TileSide, TileSide, true, paintLich},
    {"bmp_unit", "unit_medusa.bmp", TileSide, TileSide, true, paintMedusa},
    {"bmp_unit", "unit_goblin.bmp", TileSide, TileSide, true, paintGoblin},
    {"bmp_unit", "unit_dwarf.bmp", TileSide, TileSide, true, paintDwarf},
    {"bmp_unit", "unit_orc_b.bmp", TileSide, TileSide, true, paintOrc},
    {"bmp_unit", "unit_ogre.bmp", TileSide, TileSide, true, paintOgre},
    {"bmp_unit", "unit_minotor.bmp", TileSide, TileSide, true, paintMinotaur},
    {"bmp_unit", "unit_pleidian.bmp", TileSide, TileSide, true, paintPleidian},
    {"bmp_unit", "unit_squeletton.bmp", TileSide, TileSide, true, paintSkeleton},
    {"bmp_unit", "unit_squeletton_brave.bmp", TileSide, TileSide, true, paintSkeletonBrave},
    {"bmp_unit", "unit_squeletton_warrior.bmp", TileSide, TileSide, true, paintSkeletonWarrior},
    {"bmp_unit", "unit_squeletton_sturdy.bmp", TileSide, TileSide, true, paintSkeletonSturdy},
    {"bmp_unit", "unit_squeletton_armored.bmp", TileSide, TileSide, true, paintSkeletonArmored},
    {"bmp_unit", "unit_squeletton_zombi.bmp", TileSide, TileSide, true, paintSkeletonZombie},
    {"bmp_unit", "unit_squeletton_zombi_wounded.bmp", TileSide, TileSide, true, paintSkeletonZombieWounded},
    {"bmp_unit", "unit_squeletton_floating.bmp", TileSide, TileSide, true, paintSkeletonFloating},
    {"bmp_unit", "unit_squeletton_fire.bmp", TileSide, TileSide, true, paintSkeletonFire},
    {"bmp_unit", "unit_squeletton_evil.bmp", TileSide, TileSide, true, paintSkeletonEvil},
    {"bmp_unit", "unit_squeletton_monster.bmp", TileSide, TileSide, true, paintSkeletonMonster},
    {"bmp_unit", "unit_squeletton_ogre.bmp", TileSide, TileSide, true, paintSkeletonOgre},
};

}  // namespace

std::span<const PictureSpec> unitPeoplePictures() { return People; }

}  // namespace gloam::makeart
