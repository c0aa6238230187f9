// The art catalogue table (its loader groups and the paths it builds), loading the whole of it from a
// data folder written by the test, and the bank's lifetime. Distinct slots and the groups covering
// the table are checked by the compiler.
#include "assets/sprite_catalogue_loader.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>

#include "assets/catalogue.hpp"
#include "bmp_test_files.hpp"

namespace gloam::assets {
namespace {

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

// Paths join the data folder (a trailing separator or none, "." when empty), the folder and the
// file; the cube loader switches from the cube folder to the unit folder after its seven textures.
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

// A data folder holding a distinct 4 x 4 picture for every catalogue path (a file named twice is
// written once), and an empty bank to load it into.
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

std::string foldUpper(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

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
}

TEST_F(SpriteCatalogueLoader, MissingCubeFolderLeavesOnlyTheTextureSlotsEmpty) {
  std::filesystem::remove_all(dir.path() / "bmp_cube");
  const ArtLoadReport report = load();
  for (int slot = 1200; slot <= 1206; ++slot) EXPECT_TRUE(bank[slot].empty()) << slot;
  EXPECT_FALSE(bank[1210].empty());
  EXPECT_EQ(countLoadedSlots(bank), 214 - 7);
  EXPECT_EQ(report.loaded, 214 - 7);
  ASSERT_EQ(report.missing.size(), 7u);
  for (const std::string& path : report.missing) EXPECT_TRUE(path.starts_with("bmp_cube/")) << path;
}

// Every folder and file name upper-cased, as a copy from a case-blind disk may come.
TEST_F(SpriteCatalogueLoader, UpperCasedCatalogueLoadsWhole) {
  for (const auto& folder : std::filesystem::directory_iterator(dir.path())) {
    for (const auto& file : std::filesystem::directory_iterator(folder.path()))
      std::filesystem::rename(file.path(), folder.path() / foldUpper(file.path().filename().string()));
    std::filesystem::rename(folder.path(), dir.path() / foldUpper(folder.path().filename().string()));
  }
  EXPECT_EQ(load().loaded, 214);
}

TEST(SpriteBank, ReleaseDropsPixelsAndBankAndIsHarmlessWithoutABank) {
  SpriteBank bank;
  EXPECT_EQ(countLoadedSlots(bank), 0);
  releaseSpriteBank(bank);  // never allocated: nothing to do
  allocateSpriteBank(bank);
  ASSERT_TRUE(bank.allocated());
  EXPECT_EQ(countLoadedSlots(bank), 0);
  bank[SpriteSlotCount - 1].pixels.assign(3, 1);
  EXPECT_EQ(countLoadedSlots(bank), 1);
  releaseSpriteBank(bank);
  EXPECT_FALSE(bank.allocated());
  EXPECT_EQ(countLoadedSlots(bank), 0);
}

}  // namespace
}  // namespace gloam::assets
