// The art catalogue as data: 214 (directory, file, slot) entries in load order, and the loader groups.
// Slot numbers are fixed: the drawing code names pictures by them. Reading the files is not done here.
#include "assets/catalogue.hpp"

#include <array>

namespace gloam::assets {
namespace {

constexpr std::string_view DirCross = "bmp_cross";
constexpr std::string_view DirUnit = "bmp_unit";
constexpr std::string_view DirLand = "bmp_land";
constexpr std::string_view DirDungeon = "bmp_dungeon";
constexpr std::string_view DirStructure = "bmp_structure";
constexpr std::string_view DirItem = "bmp_item";
constexpr std::string_view DirScr = "bmp_scr";
constexpr std::string_view DirCube = "bmp_cube";

constexpr std::array<CatalogueEntry, CatalogueEntryCount> Catalogue = {{
    // loadCrossArt
    {DirCross, "cross4.bmp", 1104},
    // loadUnitArt
    {DirUnit, "unit_giant_rat.bmp", 801},
    {DirUnit, "unit_green_slime.bmp", 802},
    {DirUnit, "unit_dog.bmp", 803},
    {DirUnit, "unit_serpent.bmp", 805},
    {DirUnit, "unit_fungus.bmp", 806},
    {DirUnit, "unit_goblin.bmp", 810},
    {DirUnit, "unit_nabos.bmp", 811},
    {DirUnit, "unit_orc_b.bmp", 812},
    {DirUnit, "unit_beatle.bmp", 820},
    {DirUnit, "unit_gor_dog.bmp", 821},
    {DirUnit, "unit_giant_spider.bmp", 822},
    {DirUnit, "unit_serpent_fire.bmp", 823},
    {DirUnit, "unit_beatle_fire.bmp", 824},
    {DirUnit, "unit_drius.bmp", 829},
    {DirUnit, "unit_rust_monster.bmp", 830},
    {DirUnit, "unit_giant_worm.bmp", 831},
    {DirUnit, "unit_gelatinous_cube.bmp", 832},
    {DirUnit, "unit_polar_geer.bmp", 840},
    {DirUnit, "unit_squeletton.bmp", 841},
    {DirUnit, "unit_squeletton_zombi_wounded.bmp", 842},
    {DirUnit, "unit_squeletton_zombi.bmp", 843},
    {DirUnit, "unit_mage.bmp", 849},
    {DirUnit, "unit_squeletton_sturdy.bmp", 852},
    {DirUnit, "unit_dwarf.bmp", 853},
    {DirUnit, "unit_squeletton_monster.bmp", 854},
    {DirUnit, "unit_squeletton_brave.bmp", 861},
    {DirUnit, "unit_squeletton_floating.bmp", 863},
    {DirUnit, "unit_minotor.bmp", 870},
    {DirUnit, "unit_floating_eye.bmp", 871},
    {DirUnit, "unit_squeletton_fire.bmp", 872},
    {DirUnit, "unit_mage_eye.bmp", 874},
    {DirUnit, "unit_squeletton_ogre.bmp", 875},
    {DirUnit, "unit_ogre.bmp", 876},
    {DirUnit, "unit_squeletton_armored.bmp", 878},
    {DirUnit, "unit_medusa.bmp", 881},
    {DirUnit, "unit_squeletton_warrior.bmp", 882},
    {DirUnit, "unit_mantis.bmp", 883},
    {DirUnit, "unit_squeletton_evil.bmp", 890},
    {DirUnit, "unit_lich.bmp", 902},
    {DirUnit, "unit_dragon.bmp", 903},
    {DirUnit, "unit_dragon_hydra.bmp", 904},
    {DirUnit, "unit_dragon_basilic.bmp", 906},
    {DirUnit, "unit_fire.bmp", 960},
    {DirUnit, "unit_fire_fire.bmp", 961},
    {DirUnit, "unit_fire_fire_fire.bmp", 962},
    {DirUnit, "unit_water.bmp", 963},
    {DirUnit, "unit_water_water.bmp", 964},
    {DirUnit, "unit_water_water_water.bmp", 965},
    {DirUnit, "unit_earth.bmp", 966},
    {DirUnit, "unit_earth_earth.bmp", 967},
    {DirUnit, "unit_earth_earth_earth.bmp", 968},
    {DirUnit, "unit_air.bmp", 969},
    {DirUnit, "unit_air_air.bmp", 970},
    {DirUnit, "unit_air_air_air.bmp", 971},
    {DirUnit, "unit_fighter.bmp", 980},
    {DirUnit, "unit_mage.bmp", 981},
    {DirUnit, "unit_cleric.bmp", 982},
    {DirUnit, "unit_bandit.bmp", 983},
    // loadLandArt
    {DirLand, "plain.bmp", 10},
    {DirLand, "forest.bmp", 11},
    {DirLand, "forest_fruit.bmp", 12},
    {DirLand, "forest_gray.bmp", 13},
    {DirLand, "water.bmp", 14},
    {DirLand, "water_deep.bmp", 15},
    {DirLand, "swamp_a.bmp", 16},
    {DirLand, "desert_a.bmp", 17},
    {DirLand, "hills_a.bmp", 18},
    {DirLand, "mountain.bmp", 19},
    {DirLand, "mountain_high_a.bmp", 20},
    {DirLand, "forest_leaf.bmp", 21},
    {DirLand, "road.bmp", 22},
    {DirLand, "forest_b.bmp", 23},
    {DirLand, "forest_c.bmp", 24},
    {DirLand, "village_b.bmp", 180},
    {DirLand, "village_b_yellow.bmp", 181},
    {DirLand, "village_b_blue.bmp", 182},
    {DirLand, "village_b_green.bmp", 183},
    {DirLand, "village_b_red.bmp", 184},
    {DirLand, "ruin_a.bmp", 188},
    {DirLand, "castle_a.bmp", 189},
    {DirLand, "grottus.bmp", 190},
    {DirLand, "mine.bmp", 191},
    {DirLand, "iron_mine.bmp", 192},
    {DirLand, "forest_leaf.bmp", 193},
    {DirLand, "well.bmp", 194},
    // loadDungeonArt
    {DirDungeon, "wall.bmp", 111},
    {DirDungeon, "floor_marble.bmp", 118},
    {DirDungeon, "floor.bmp", 119},
    {DirDungeon, "chest.bmp", 120},
    {DirDungeon, "chest_open.bmp", 121},
    {DirDungeon, "candelabrum.bmp", 122},
    {DirDungeon, "candelabrum_extinct.bmp", 123},
    {DirDungeon, "coffin.bmp", 124},
    {DirDungeon, "coffin_open.bmp", 125},
    {DirDungeon, "floor_bones.bmp", 126},
    {DirDungeon, "floor_bones_cleaned.bmp", 127},
    {DirDungeon, "door.bmp", 128},
    {DirDungeon, "door_opened.bmp", 129},
    {DirDungeon, "source.bmp", 130},
    {DirDungeon, "source_complete.bmp", 131},
    {DirDungeon, "spawn.bmp", 132},
    {DirDungeon, "spawn_complete.bmp", 133},
    {DirDungeon, "fountain.bmp", 134},
    {DirDungeon, "fountain_drank.bmp", 135},
    {DirDungeon, "stairsd.bmp", 136},
    {DirDungeon, "stairsu.bmp", 137},
    {DirDungeon, "circle.bmp", 140},
    {DirDungeon, "circle_golden.bmp", 141},
    {DirDungeon, "circle_aflamed.bmp", 142},
    {DirDungeon, "altar.bmp", 144},
    {DirDungeon, "altar_jeweled.bmp", 145},
    {DirDungeon, "altar_dark.bmp", 146},
    {DirDungeon, "trap.bmp", 148},
    {DirDungeon, "trap_disabled.bmp", 149},
    {DirDungeon, "torch.bmp", 152},
    {DirDungeon, "torch_extinct.bmp", 153},
    {DirDungeon, "geer_mecanism.bmp", 155},
    {DirDungeon, "lever.bmp", 156},
    {DirDungeon, "source.bmp", 160},
    {DirDungeon, "source_red.bmp", 161},
    {DirDungeon, "source_green.bmp", 162},
    {DirDungeon, "source_blue.bmp", 163},
    {DirDungeon, "source_yellow.bmp", 164},
    {DirDungeon, "source_brown.bmp", 165},
    {DirDungeon, "scrolls.bmp", 167},
    // loadStructureArt
    {DirStructure, "hart.bmp", 390},
    {DirStructure, "structure_farm.bmp", 400},
    {DirStructure, "structure_merchant.bmp", 401},
    {DirStructure, "structure_quary.bmp", 402},
    {DirStructure, "structure_stable.bmp", 403},
    {DirStructure, "structure_tower.bmp", 404},
    {DirStructure, "structure_barrack.bmp", 405},
    {DirStructure, "structure_blacksmith.bmp", 406},
    {DirStructure, "structure_castle.bmp", 407},
    {DirStructure, "structure_church.bmp", 408},
    // loadItemArt
    {DirItem, "blank.bmp", 0},
    {DirItem, "item_knife.bmp", 600},
    {DirItem, "item_dagger.bmp", 601},
    {DirItem, "item_short_sword.bmp", 602},
    {DirItem, "item_gauche.bmp", 603},
    {DirItem, "item_long_sword.bmp", 604},
    {DirItem, "item_bastard_sword.bmp", 605},
    {DirItem, "item_kopesh.bmp", 606},
    {DirItem, "item_blade.bmp", 607},
    {DirItem, "item_blade_ameliorated.bmp", 608},
    {DirItem, "item_behead.bmp", 609},
    {DirItem, "item_broad_sword.bmp", 610},
    {DirItem, "item_horner.bmp", 611},
    {DirItem, "item_glaive.bmp", 612},
    {DirItem, "item_saber.bmp", 613},
    {DirItem, "item_saber_ameliorated.bmp", 614},
    {DirItem, "item_whale_blade.bmp", 615},
    {DirItem, "item_whale_blade_ameliorated.bmp", 616},
    {DirItem, "item_two_handed_sword.bmp", 617},
    {DirItem, "item_two_bladed_sword.bmp", 618},
    {DirItem, "item_two_bladed_sword_ameliorated.bmp", 619},
    {DirItem, "item_bag.bmp", 3000},
    {DirItem, "item_blue_bag.bmp", 3001},
    {DirItem, "item_maul.bmp", 630},
    {DirItem, "item_morningstar.bmp", 631},
    {DirItem, "item_mace.bmp", 632},
    {DirItem, "item_war_mace.bmp", 633},
    {DirItem, "item_staff.bmp", 640},
    {DirItem, "item_rod.bmp", 641},
    {DirItem, "item_wand.bmp", 642},
    {DirItem, "item_hand_axe.bmp", 650},
    {DirItem, "item_axe.bmp", 651},
    {DirItem, "item_battle_axe.bmp", 652},
    {DirItem, "item_iron_battle_axe.bmp", 653},
    {DirItem, "item_iron_ordered_battle_axe.bmp", 654},
    {DirItem, "item_iron_rubioux_battle_axe.bmp", 655},
    {DirItem, "item_potion_red.bmp", 680},
    {DirItem, "item_potion_green.bmp", 681},
    {DirItem, "item_potion_blue.bmp", 682},
    {DirItem, "item_potion_yellow.bmp", 683},
    {DirItem, "item_potion_white.bmp", 684},
    {DirItem, "item_blue_robe.bmp", 730},
    {DirItem, "item_red_robe.bmp", 731},
    {DirItem, "item_gray_robe.bmp", 732},
    {DirItem, "item_leather_armor.bmp", 740},
    {DirItem, "item_studded_leather_armor.bmp", 741},
    {DirItem, "item_chain_mail.bmp", 742},
    {DirItem, "item_scale_armor_b.bmp", 743},
    {DirItem, "item_plate_armor.bmp", 744},
    {DirItem, "item_full_plate_armor.bmp", 745},
    {DirItem, "item_magic_armor.bmp", 746},
    {DirItem, "socket.bmp", 780},
    {DirItem, "alleviated_corner1.bmp", 785},
    {DirItem, "alleviated_corner2.bmp", 786},
    {DirItem, "alleviated_corner3.bmp", 787},
    {DirItem, "alleviated_corner4.bmp", 788},
    // loadIntroArt
    {DirScr, "intro1.bmp", 1000},
    // loadCubeArt
    {DirCube, "structure_castle.bmp", 1200},
    {DirCube, "brickold2.bmp", 1201},
    {DirCube, "grass3.bmp", 1202},
    {DirCube, "dirt1.bmp", 1203},
    {DirCube, "brickold3.bmp", 1204},
    {DirCube, "item_whale_blade.bmp", 1205},
    {DirCube, "DSC3.bmp", 1206},
    {DirUnit, "unit_green_slime.bmp", 1210},
    {DirUnit, "unit_nabos.bmp", 1211},
    {DirUnit, "unit_serpent.bmp", 1212},
    {DirUnit, "unit_giant_spider.bmp", 1213},
    {DirUnit, "unit_serpent_fire.bmp", 1214},
    {DirUnit, "unit_giant_worm.bmp", 1215},
    {DirUnit, "unit_floating_eye.bmp", 1216},
    {DirUnit, "unit_gelatinous_cube.bmp", 1217},
    {DirUnit, "unit_ogre.bmp", 1218},
    {DirUnit, "unit_mage_eye.bmp", 1219},
    {DirUnit, "unit_minotor.bmp", 1220},
    {DirUnit, "unit_mantis.bmp", 1221},
    {DirUnit, "unit_dragon_hydra.bmp", 1222},
    {DirUnit, "unit_pleidian.bmp", 1223},
}};

// Entries per loader, in ArtLoader order; the loaders take consecutive runs of the table above.
constexpr std::array<int, ArtLoaderCount> LoaderEntryCounts = {1, 58, 27, 40, 10, 56, 1, 21};

constexpr bool countsCoverCatalogue() {
  int total = 0;
  for (int count : LoaderEntryCounts) total += count;
  return total == CatalogueEntryCount;
}
static_assert(countsCoverCatalogue(), "loader groups must cover the catalogue exactly");

constexpr bool slotsAreDistinct() {
  for (std::size_t i = 0; i < Catalogue.size(); ++i) {
    for (std::size_t j = i + 1; j < Catalogue.size(); ++j) {
      if (Catalogue[i].slot == Catalogue[j].slot) return false;
    }
  }
  return true;
}
static_assert(slotsAreDistinct(), "no two catalogue entries may share a slot");

}  // namespace

std::span<const CatalogueEntry> catalogueEntries() { return Catalogue; }

std::span<const CatalogueEntry> loaderEntries(ArtLoader loader) {
  const int index = static_cast<int>(loader);
  int first = 0;
  for (int i = 0; i < index; ++i) first += LoaderEntryCounts[i];
  return std::span<const CatalogueEntry>(Catalogue).subspan(first, LoaderEntryCounts[index]);
}

std::string cataloguePath(const std::string& dataDir, const CatalogueEntry& entry) {
  std::string path = dataDir.empty() ? std::string(".") : dataDir;
  if (path.back() != '/') path += '/';
  path.append(entry.directory).append("/").append(entry.fileName);
  return path;
}

}  // namespace gloam::assets
