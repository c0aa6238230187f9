// Loading the whole catalogue from a data folder written by the test, and the bank's lifetime.
#include "assets/sprite_catalogue_loader.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>

#include "assets/catalogue.hpp"
#include "bmp_test_files.hpp"

namespace gloam::assets {
namespace {

using testing::makeBmp;
using testing::patternBytes;
using testing::ScratchDir;

// Writes a distinct 4 x 4 picture for every catalogue path (a file named twice is written once).
void writeWholeCatalogue(const ScratchDir& dir) {
  std::uint32_t seed = 100;
  for (const CatalogueEntry& entry : catalogueEntries()) {
    const std::string relative = std::string(entry.directory) + "/" + std::string(entry.fileName);
    if (std::filesystem::exists(dir.path() / relative)) continue;
    dir.write(relative, makeBmp(4, 4, patternBytes(48, ++seed)));
  }
}

std::string foldUpper(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

std::set<int> catalogueSlots() {
  std::set<int> slots;
  for (const CatalogueEntry& entry : catalogueEntries()) slots.insert(entry.slot);
  return slots;
}

TEST(SpriteCatalogueLoader, FillsExactlyTheCatalogueSlotsWithIndependentCopies) {
  ScratchDir dir("sprite-catalogue");
  writeWholeCatalogue(dir);
  SpriteBank bank;
  allocateSpriteBank(bank);
  const ArtLoadReport report = loadSpriteCatalogue(bank, dir.path().string());
  EXPECT_EQ(countLoadedSlots(bank), 214);
  EXPECT_EQ(report.loaded, 214);
  EXPECT_TRUE(report.missing.empty());
  const std::set<int> named = catalogueSlots();
  for (int slot = 0; slot < SpriteSlotCount; ++slot) {
    EXPECT_EQ(!bank[slot].empty(), named.count(slot) == 1) << "slot " << slot;
  }
  EXPECT_EQ(bank[1200].width, 4u);
  EXPECT_EQ(bank[1200].bytesPerPixel, 3u);
  // Files named twice give independent copies.
  const std::pair<int, int> twins[] = {{802, 1210}, {130, 160}, {21, 193}, {849, 981}, {883, 1221}};
  for (auto [a, b] : twins) {
    SCOPED_TRACE(std::to_string(a) + " and " + std::to_string(b));
    ASSERT_EQ(bank[a].pixels, bank[b].pixels);
    bank[a].pixels[0] ^= 0xFF;
    EXPECT_NE(bank[a].pixels[0], bank[b].pixels[0]);
  }
  // 615 and 1205 share a file name but not a folder: two different pictures.
  EXPECT_NE(bank[615].pixels, bank[1205].pixels);
}

TEST(SpriteCatalogueLoader, MissingCubeFolderLeavesOnlyTheTextureSlotsEmpty) {
  ScratchDir dir("sprite-catalogue");
  writeWholeCatalogue(dir);
  std::filesystem::remove_all(dir.path() / "bmp_cube");
  SpriteBank bank;
  allocateSpriteBank(bank);
  const ArtLoadReport report = loadSpriteCatalogue(bank, dir.path().string());
  for (int slot = 1200; slot <= 1206; ++slot) EXPECT_TRUE(bank[slot].empty()) << slot;
  EXPECT_FALSE(bank[1210].empty());
  EXPECT_EQ(countLoadedSlots(bank), 214 - 7);
  EXPECT_EQ(report.loaded, 214 - 7);
  ASSERT_EQ(report.missing.size(), 7u);
  for (const std::string& path : report.missing) EXPECT_TRUE(path.starts_with("bmp_cube/")) << path;
}

// Every folder and file name upper-cased, as a copy from a case-blind disk may come.
TEST(SpriteCatalogueLoader, UpperCasedCatalogueLoadsWhole) {
  ScratchDir dir("sprite-catalogue");
  writeWholeCatalogue(dir);
  for (const auto& folder : std::filesystem::directory_iterator(dir.path())) {
    for (const auto& file : std::filesystem::directory_iterator(folder.path()))
      std::filesystem::rename(file.path(), folder.path() / foldUpper(file.path().filename().string()));
    std::filesystem::rename(folder.path(), dir.path() / foldUpper(folder.path().filename().string()));
  }
  SpriteBank bank;
  allocateSpriteBank(bank);
  EXPECT_EQ(loadSpriteCatalogue(bank, dir.path().string()).loaded, 214);
  EXPECT_EQ(countLoadedSlots(bank), 214);
}

TEST(SpriteBank, ReleaseDropsPixelsAndBankAndToleratesRepeats) {
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
  releaseSpriteBank(bank);
  EXPECT_FALSE(bank.allocated());
}

}  // namespace
}  // namespace gloam::assets
