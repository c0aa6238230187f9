// The art catalogue, loading it into the sprite bank, and case-insensitive data folder lookups.
// Whole data folders with pictures missing or names upper-cased are played by tests/e2e/data-folder-check.sh.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "assets/catalogue.hpp"
#include "assets/data_folder_index.hpp"
#include "assets/sprite_catalogue_loader.hpp"
#include "bmp_test_files.hpp"

namespace gloam::assets {
namespace {

using testing::ScratchDir;

TEST(Catalogue, LoaderGroupsRunInLoadOrderAndCoverTheTable) {
  const auto all = catalogueEntries();
  std::size_t next = 0;
  const int firstSlots[ArtLoaderCount] = {1104, 801, 10, 111, 390, 0, 1000, 1200};
  const std::size_t sizes[ArtLoaderCount] = {1, 58, 27, 40, 10, 56, 1, 21};
  for (int i = 0; i < ArtLoaderCount; ++i) {
    const auto group = loaderEntries(static_cast<ArtLoader>(i));
    ASSERT_EQ(group.size(), sizes[i]) << "loader " << i;
    EXPECT_EQ(group.data(), all.data() + next);
    EXPECT_EQ(group.front().slot, firstSlots[i]);
    next += group.size();
  }
  EXPECT_EQ(next, all.size());
}

// The cube loader switches from the cube folder to the unit folder after its seven textures.
TEST(Catalogue, PathsJoinDataDirFolderAndFileAndTheCubeLoaderSwitchesFolders) {
  const CatalogueEntry wall{"bmp_dungeon", "wall.bmp", 111};
  EXPECT_EQ(cataloguePath("data", wall), "data/bmp_dungeon/wall.bmp");
  EXPECT_EQ(cataloguePath("data/", wall), "data/bmp_dungeon/wall.bmp");
  const auto cube = loaderEntries(ArtLoader::Cube);
  EXPECT_EQ(cataloguePath("", cube[6]), "./bmp_cube/DSC3.bmp");
  EXPECT_EQ(cube[6].slot, 1206);
  EXPECT_EQ(cataloguePath("", cube[7]), "./bmp_unit/unit_green_slime.bmp");
  EXPECT_EQ(cube[7].slot, 1210);
  EXPECT_EQ(cube.back().fileName, "unit_pleidian.bmp");
}

// A distinct 4 x 4 picture for every catalogue path, and an empty bank to load them into.
class SpriteCatalogueLoader : public ::testing::Test {
 protected:
  void SetUp() override {
    std::uint32_t seed = 100;
    for (const CatalogueEntry& entry : catalogueEntries()) {
      const std::string relative = std::string(entry.directory) + "/" + std::string(entry.fileName);
      if (!std::filesystem::exists(dir.path() / relative))
        dir.write(relative, testing::makeBmp(4, 4, testing::patternBytes(48, ++seed)));
    }
    allocateSpriteBank(bank);
  }
  ArtLoadReport load() { return loadSpriteCatalogue(bank, dir.path().string()); }

  testing::ScratchDir dir{"sprite-catalogue"};
  SpriteBank bank;
};

TEST_F(SpriteCatalogueLoader, FillsExactlyTheCatalogueSlotsWithIndependentCopies) {
  const ArtLoadReport report = load();
  EXPECT_EQ(countLoadedSlots(bank), 214);
  EXPECT_EQ(report.loaded, 214);
  EXPECT_TRUE(report.missing.empty());
  std::set<int> named;
  for (const CatalogueEntry& entry : catalogueEntries()) named.insert(entry.slot);
  for (int slot = 0; slot < SpriteSlotCount; ++slot) EXPECT_EQ(!bank[slot].empty(), named.contains(slot)) << slot;
  // Files named twice give independent copies.
  const std::pair<int, int> twins[] = {{802, 1210}, {130, 160}, {21, 193}, {849, 981}, {883, 1221}};
  for (auto [a, b] : twins) {
    ASSERT_EQ(bank[a].pixels, bank[b].pixels) << a << " and " << b;
    bank[a].pixels[0] ^= 0xFF;
    EXPECT_NE(bank[a].pixels[0], bank[b].pixels[0]) << a << " and " << b;
  }
  // 615 and 1205 share a file name but not a folder: two different pictures.
  EXPECT_NE(bank[615].pixels, bank[1205].pixels);
  bank[SpriteSlotCount - 1].pixels.assign(3, 1);  // the last slot counts too
  EXPECT_EQ(countLoadedSlots(bank), 215);
  releaseSpriteBank(bank);
  EXPECT_FALSE(bank.allocated());
  EXPECT_EQ(countLoadedSlots(bank), 0);
  releaseSpriteBank(bank);  // with no bank left: nothing to do
}

TEST(DataFolderIndex, ResolvesFolderAndFileInAnyCaseWithExactCasePreferred) {
  ScratchDir dir("data-index");
  dir.write("probe/case", {1});
  if (std::filesystem::exists(dir.path() / "PROBE" / "CASE"))
    GTEST_SKIP() << "this file system folds letter case: a folder cannot hold names that differ only in case";
  for (const char* f : {"BMP_LAND/WATER.BMP", "bmp_land/road.bmp", "Bmp_Land/road.bmp", "Bmp_Land/Plain.bmp",
                        "bmp_unit/mage.bmp", "bmp_unit/MAGE.BMP", "bmp_unit/Mage.bmp", "MAP/1.OVERWORLD", "Kart/é.bmp"})
    dir.write(f, {1});
  const DataFolderIndex index = indexDataFolder(dir.path().string());
  dir.write("bmp_land/water.bmp", {1});  // appears after the listing: not seen
  const std::tuple<const char*, const char*, const char*> table[] = {
      // folder, file, found path
      {"bmp_land", "water.bmp", "BMP_LAND/WATER.BMP"},  // only folder of that name holding it when listed
      {"bmp_land", "road.bmp", "bmp_land/road.bmp"},    // exact folder and file
      {"bmp_land", "plain.bmp", "Bmp_Land/Plain.bmp"},  // exact folder lacks it: the next folder
      {"BMP_LAND", "ROAD.BMP", "Bmp_Land/road.bmp"},    // exact folder lacks it: next in byte order
      {"bmp_land", "hills.bmp", "bmp_land/hills.bmp"},  // in no folder: the asked name, exact folder
      {"bmp_unit", "mage.bmp", "bmp_unit/mage.bmp"},    // exact file among three spellings
      {"bmp_unit", "MaGe.bmp", "bmp_unit/MAGE.BMP"},    // no exact one: the first in byte order
      {"map", "1.overworld", "MAP/1.OVERWORLD"},
      {"map", "2.overworld", "MAP/2.overworld"},  // to be created in the folder on disk
      {"kart", "é.bmp", "Kart/é.bmp"},            // only ASCII letters fold
      {"kart", "É.bmp", "Kart/É.bmp"},
      {"bmp_cube", "wall.bmp", "bmp_cube/wall.bmp"},  // no such folder
  };
  for (const auto& [folder, file, expected] : table)
    EXPECT_EQ(resolveDataPath(index, folder, file), dir.path().string() + "/" + expected) << folder << "/" << file;
  EXPECT_EQ(resolveDataFolder(index, "bmp_land"), dir.path().string() + "/bmp_land");
  EXPECT_EQ(resolveDataFolder(index, "Map"), dir.path().string() + "/MAP");
}

TEST(DataFolderIndex, AMissingRootResolvesNamesAsAsked) {
  const DataFolderIndex none = indexDataFolder("no-such-data-folder");
  EXPECT_EQ(resolveDataPath(none, "bmp_item", "sword.bmp"), "no-such-data-folder/bmp_item/sword.bmp");
  EXPECT_EQ(resolveDataPath(indexDataFolder(""), "map", "1.overworld"), "./map/1.overworld");
}

}  // namespace
}  // namespace gloam::assets
