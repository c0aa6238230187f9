// Things that stand on a dungeon floor: chests, coffins, candelabra, fountains, altars, scrolls,
// bones, torches, traps, gear and lever. Each is a floor tile with the object painted over it.
#include "makeart/dungeon_ground.hpp"
#include "makeart/dungeon_mechanisms.hpp"
#include "makeart/palette.hpp"
#include "makeart/picture_spec.hpp"

namespace gloam::makeart {
namespace {

using namespace colours;

constexpr Colour WoodEdge{52, 30, 14};

const Palette ChestPalette = {{'o', WoodEdge},      {'L', {178, 116, 56}}, {'l', {146, 90, 42}}, {'B', {94, 56, 26}},
                              {'W', {156, 96, 46}}, {'w', {124, 74, 34}},  {'d', {82, 48, 22}},  {'g', Gold},
                              {'y', GoldBright},    {'k', {36, 22, 10}},   {'i', {48, 28, 14}},  {'Y', {250, 212, 70}},
                              {'c', {186, 136, 30}}};

void paintChest(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  stamp(c, 0, 0,
        {"................", "................", "...oooooooooo...", "..oLLLLLLLLLLo..", ".oLlllgllglllLo.",
         ".oLlllgllglllLo.", ".oBBBBBBBBBBBBo.", ".oWWWWgyygWWWWo.", ".owwwwgyygwwwwo.", ".owwwwgkkgwwwwo.",
         ".owwwwgwwgwwwwo.", ".oWWWWgWWgWWWWo.", ".oddddddddddddo.", "..oooooooooooo..", "................",
         "................"},
        ChestPalette);
}

void paintChestOpen(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  stamp(c, 0, 0,
        {"...oooooooooo...", "..oLLLLLLLLLLo..", "..oLllgllgllLo..", "..oBBBBBBBBBBo..", ".oiiiiiiiiiiiio.",
         ".oiYcYYcYcYYcio.", ".oicYYcYYcYYYio.", ".oWWWWgWWgWWWWo.", ".owwwwgwwgwwwwo.", ".owwwwgwwgwwwwo.",
         ".owwwwgwwgwwwwo.", ".oWWWWgWWgWWWWo.", ".oddddddddddddo.", "..oooooooooooo..", "................",
         "................"},
        ChestPalette);
}

const Palette CoffinPalette = {{'o', {30, 18, 14}},  {'W', {112, 62, 40}},   {'w', {86, 46, 30}},
                               {'L', {140, 84, 54}}, {'+', {206, 190, 150}}, {'i', {26, 20, 20}},
                               {'b', Bone},          {'s', BoneShade},       {'k', {40, 34, 30}}};

void paintCoffin(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  stamp(c, 0, 0,
        {"......oooo......", ".....oLLLLo.....", "....oLWWWWwo....", "...oLWWW+WWwo...", "...oLWWW+WWwo...",
         "...oLW+++++wo...", "...oLWWW+WWwo...", "....oLWW+Wwo....", "....oLWW+Wwo....", "....oLWWWWwo....",
         "....oLWWWWwo....", ".....oLWWwo.....", ".....oLWWwo.....", "......owwo......", ".......oo.......",
         "................"},
        CoffinPalette);
}

void paintCoffinOpen(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  stamp(c, 0, 0,
        {"......oooo......", ".....oiiiio.....", "....oibbbbio....", "...oiibkkbiio...", "...oiibbbbiio...",
         "...oiiisbiiio...", "...oibbbbbbio...", "....oiisbiio....", "....oibsbsio.oo.", "....oiisbiiooLLo",
         "....oibiibiowWWo", ".....oiiiio.oWWo", ".....oiiiio.oWWo", "......oiio..owwo", ".......oo....oo.",
         "................"},
        CoffinPalette);
}

const Palette CandlePalette = {{'g', Gold},        {'G', GoldDark},  {'y', GoldBright}, {'c', {240, 236, 216}},
                               {'f', Flame},       {'F', FlameEdge}, {'w', FlameCore},  {'s', {120, 116, 120}},
                               {'k', {60, 50, 40}}};

void paintCandelabrum(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  paintGlow(c, 8, 5, 9, {255, 220, 120});
  stamp(c, 0, 0,
        {"..f....f....f...", ".fwf..fwf..fwf..", ".FfF..FfF..FfF..", "..c....c....c...", "..c....c....c...",
         "..c....c....c...", ".GgG..GgG..GgG..", "..g....g....g...", "..gggggyggggg...", ".......g........",
         ".......g........", ".......y........", "......ggg.......", ".....ggygg......", "....GGGGGGG.....",
         "................"},
        CandlePalette);
}

void paintCandelabrumExtinct(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  stamp(c, 0, 0,
        {"...s....s....s..", "..s....s....s...", "..k....k....k...", "..c....c....c...", "..c....c....c...",
         "..c....c....c...", ".GgG..GgG..GgG..", "..g....g....g...", "..gggggyggggg...", ".......g........",
         ".......g........", ".......y........", "......ggg.......", ".....ggygg......", "....GGGGGGG.....",
         "................"},
        CandlePalette);
}

void paintFountainBasin(Canvas& c, Rng& rng, Colour water, bool flowing) {
  paintFloor(c, rng);
  disc(c, 8, 8, 7.5, StoneDark);
  disc(c, 8, 8, 7.0, StoneLight);
  disc(c, 8, 8, 5.5, Stone);
  disc(c, 8, 8, 5.0, water);
  if (!flowing) return;
  ring(c, 8, 8, 3.6, 0.9, WaterLight);
  disc(c, 8, 8, 1.6, StoneLight);
  disc(c, 8, 7.5, 1.0, {236, 246, 255});
  for (auto [x, y] : {std::pair{5, 5}, {11, 6}, {6, 11}, {10, 10}}) c.set(x, y, {220, 240, 255});
}

void paintFountain(Canvas& c, Rng& rng) { paintFountainBasin(c, rng, Water, true); }

void paintFountainDrank(Canvas& c, Rng& rng) {
  paintFountainBasin(c, rng, {64, 66, 62}, false);
  disc(c, 9, 9, 2.0, {40, 70, 90});  // a last puddle
  disc(c, 8, 8, 1.2, StoneLight);
}

const Palette AltarPalette = {{'o', {36, 32, 34}},    {'T', {214, 210, 204}},
                              {'S', {170, 166, 160}}, {'s', {118, 114, 110}},
                              {'C', {240, 240, 236}}, {'c', {200, 200, 206}},
                              {'r', {200, 40, 40}},   {'b', {60, 110, 230}},
                              {'e', {60, 200, 90}},   {'g', Gold},
                              {'D', {58, 40, 70}},    {'d', {36, 24, 44}},
                              {'R', {150, 20, 24}},   {'f', Flame}};

void paintAltarShape(Canvas& c, Rng& rng, std::initializer_list<std::string_view> rows) {
  paintFloor(c, rng);
  stamp(c, 0, 0, rows, AltarPalette);
}

void paintAltar(Canvas& c, Rng& rng) {
  paintAltarShape(c, rng,
                  {"................", "................", "..f........f....", "..C........C....", ".oooooooooooooo.",
                   ".oTTTTTTTTTTTTo.", ".oTCCCCCCCCCCTo.", ".oSCcCCCCCCcCSo.", ".oSSSCCCCCCSSSo.", ".oSSSSCCCCSSSSo.",
                   ".osssssssssssso.", ".oSSSSSSSSSSSSo.", ".osssssssssssso.", ".oooooooooooooo.", "................",
                   "................"});
}

void paintAltarJeweled(Canvas& c, Rng& rng) {
  paintAltarShape(c, rng,
                  {"................", "................", "................", "................", ".oooooooooooooo.",
                   ".oggggggggggggo.", ".ogTTTTTTTTTTgo.", ".ogTrTTbTTeTTgo.", ".oggggggggggggo.", ".oSSrSSbSSeSSSo.",
                   ".osssssssssssso.", ".oSSbSSeSSrSSSo.", ".osssssssssssso.", ".oooooooooooooo.", "................",
                   "................"});
}

void paintAltarDark(Canvas& c, Rng& rng) {
  paintAltarShape(c, rng,
                  {"................", "................", "................", "................", ".oooooooooooooo.",
                   ".oDDDDDDDDDDDDo.", ".oDDDRRDDDDDDDo.", ".oDDRRRRDDDRDDo.", ".oDDDRRDDDDRRDo.", ".oddddRddddRddo.",
                   ".oddddRddddddd.", ".oDDDDDDDDDDDDo.", ".oddddddddddddo.", ".oooooooooooooo.", "................",
                   "................"});
}

void paintScrolls(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  const Palette p = {
      {'o', {70, 52, 30}}, {'P', {236, 222, 178}}, {'p', {196, 176, 128}}, {'e', {150, 120, 80}}, {'r', {190, 30, 30}}};
  stamp(c, 0, 0,
        {"................", "................", "..oooooooooo....", ".oePPPPPPPPPeo..", ".oePPPPrPPPPeo..",
         ".oepppprppppeo..", "..oooooooooo....", "....oooooooooo..", "...oePPPPPPPPeo.", "...oePPPrPPPPeo.",
         "...oeppprppppeo.", "....oooooooooo..", "..ooooooooo.....", ".oePPPPPPPeo....", ".oeppppppppeo...",
         "..ooooooooo....."},
        p);
}

const Palette BonePalette = {{'b', Bone}, {'s', BoneShade}, {'k', {40, 34, 30}}};

void paintFloorBones(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  stamp(c, 0, 0,
        {"................", "..bbb...........", "..bsbb......b...", "...bbbk....bsb..", "....kbbbb...bb..",
         ".....bsb.bb.....", "......bbbbb.....", "......bbsbb.....", ".....bb..bbb....", "..........bbbb..",
         "..bb..........b.", ".bsbb...bbb.....", "..bbbbbbsbbbb...", "...b..bbb..bsb..", "............b...",
         "................"},
        BonePalette);
}

void paintFloorBonesCleaned(Canvas& c, Rng& rng) {
  paintFloor(c, rng);
  for (auto [x, y] : {std::pair{4, 4}, {9, 7}, {5, 12}, {11, 12}})
    ellipse(c, x, y, 2.5, 1.5, shade(c.at(x, y), 0.85));  // pale marks where bones lay
}

void paintTorchShape(Canvas& c, Rng& rng, bool lit) {
  paintFloor(c, rng);
  if (lit) paintGlow(c, 8, 5, 9, {255, 200, 90});
  const Palette p = {{'w', WoodLight}, {'W', Wood},      {'d', WoodDark},  {'i', SteelDark},    {'I', Steel},
                     {'f', Flame},     {'F', FlameEdge}, {'c', FlameCore}, {'k', {50, 40, 36}}, {'s', {130, 126, 130}}};
  stamp(c, 0, 0,
        lit ? std::initializer_list<std::string_view>{".......F........", "......FfF.......", ".....FfcfF......",
                                                      ".....FfcfF......", "......FfF.......", "......dkd.......",
                                                      "......wWd.......", "......wWd.......", ".....IIIII......",
                                                      "......wWd.......", "......wWd.......", "......wWd.......",
                                                      ".....IIIII......", "......iii.......", "................",
                                                      "................"}
            : std::initializer_list<std::string_view>{"........s.......", ".......s........", "........s.......",
                                                      ".......s........", "......kkk.......", "......dkd.......",
                                                      "......wWd.......", "......wWd.......", ".....IIIII......",
                                                      "......wWd.......", "......wWd.......", "......wWd.......",
                                                      ".....IIIII......", "......iii.......", "................",
                                                      "................"},
        p);
}

void paintTorch(Canvas& c, Rng& rng) { paintTorchShape(c, rng, true); }
void paintTorchExtinct(Canvas& c, Rng& rng) { paintTorchShape(c, rng, false); }

constexpr PictureSpec Furniture[] = {
    {"bmp_dungeon", "chest.bmp", TileSide, TileSide, false, paintChest},
    {"bmp_dungeon", "chest_open.bmp", TileSide, TileSide, false, paintChestOpen},
    {"bmp_dungeon", "candelabrum.bmp", TileSide, TileSide, false, paintCandelabrum},
    {"bmp_dungeon", "candelabrum_extinct.bmp", TileSide, TileSide, false, paintCandelabrumExtinct},
    {"bmp_dungeon", "coffin.bmp", TileSide, TileSide, false, paintCoffin},
    {"bmp_dungeon", "coffin_open.bmp", TileSide, TileSide, false, paintCoffinOpen},
    {"bmp_dungeon", "floor_bones.bmp", TileSide, TileSide, false, paintFloorBones},
    {"bmp_dungeon", "floor_bones_cleaned.bmp", TileSide, TileSide, false, paintFloorBonesCleaned},
    {"bmp_dungeon", "fountain.bmp", TileSide, TileSide, false, paintFountain},
    {"bmp_dungeon", "fountain_drank.bmp", TileSide, TileSide, false, paintFountainDrank},
    {"bmp_dungeon", "altar.bmp", TileSide, TileSide, false, paintAltar},
    {"bmp_dungeon", "altar_jeweled.bmp", TileSide, TileSide, false, paintAltarJeweled},
    {"bmp_dungeon", "altar_dark.bmp", TileSide, TileSide, false, paintAltarDark},
    {"bmp_dungeon", "trap.bmp", TileSide, TileSide, false, paintTrap},
    {"bmp_dungeon", "trap_disabled.bmp", TileSide, TileSide, false, paintTrapDisabled},
    {"bmp_dungeon", "torch.bmp", TileSide, TileSide, false, paintTorch},
    {"bmp_dungeon", "torch_extinct.bmp", TileSide, TileSide, false, paintTorchExtinct},
    {"bmp_dungeon", "geer_mecanism.bmp", TileSide, TileSide, false, paintGearMechanism},
    {"bmp_dungeon", "lever.bmp", TileSide, TileSide, false, paintLever},
    {"bmp_dungeon", "scrolls.bmp", TileSide, TileSide, false, paintScrolls},
};

}  // namespace

std::span<const PictureSpec> dungeonFurniturePictures() { return Furniture; }

}  // namespace gloam::makeart
