// The art tool's output as the game sees it: every catalogue path is written once, loads with the
// game's reader at the size its users expect, keyed pictures carry the key colour and map tiles do
// not, the sample overworld holds only overworld codes, and two runs give the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>

#include "assets/bitmap_reader.hpp"
#include "assets/catalogue.hpp"
#include "bmp_test_files.hpp"
#include "core/constants.hpp"
#include "makeart/art_output.hpp"
#include "makeart/overworld_map.hpp"
#include "world/cell_codes.hpp"

namespace gloam::makeart {
namespace {

using assets::CatalogueEntry;
using assets::SpriteSlot;

bool isKeyedFolder(std::string_view dir) {
  return dir == "bmp_unit" || dir == "bmp_item" || dir == "bmp_structure" || dir == "bmp_cross";
}

struct Size {
  std::uint32_t width, height;
};

Size expectedSize(std::string_view dir) {
  if (dir == "bmp_cube") return {64, 64};
  if (dir == "bmp_scr") return {320, 240};
  return {16, 16};
}

bool hasPixel(const SpriteSlot& slot, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  for (std::size_t i = 0; i + 2 < slot.pixels.size(); i += 3)
    if (slot.pixels[i] == r && slot.pixels[i + 1] == g && slot.pixels[i + 2] == b) return true;
  return false;
}

int drawnPixels(const SpriteSlot& slot) {  // what the keyed blit would put on screen
  int n = 0;
  for (std::size_t i = 0; i + 2 < slot.pixels.size(); i += 3) {
    const int r = slot.pixels[i], g = slot.pixels[i + 1], b = slot.pixels[i + 2];
    if (!(r == 255 && g == 0 && b == 246) && !(r == 0 && g == 0 && b == 0)) ++n;
  }
  return n;
}

std::vector<char> fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MakeArt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new assets::testing::ScratchDir("makeart");
    outcome_ = writeCatalogueArt(dir_->path().string());
    mapWritten_ = writeSampleOverworld(dir_->path().string());
  }
  static void TearDownTestSuite() { delete dir_; }

  static SpriteSlot load(const CatalogueEntry& e) {
    SpriteSlot slot;
    EXPECT_TRUE(assets::loadBitmap(slot, assets::cataloguePath(dir_->path().string(), e))) << e.fileName;
    return slot;
  }

  static inline assets::testing::ScratchDir* dir_ = nullptr;
  static inline ArtOutcome outcome_;
  static inline bool mapWritten_ = false;
};

TEST_F(MakeArt, WritesEveryCataloguePathOnceAndNothingElse) {
  ASSERT_EQ(outcome_.problem, "");
  EXPECT_EQ(outcome_.entriesCovered, assets::CatalogueEntryCount);
  std::set<std::string> distinct;
  for (const CatalogueEntry& e : assets::catalogueEntries()) distinct.insert(assets::cataloguePath("", e));
  EXPECT_EQ(outcome_.filesWritten, static_cast<int>(distinct.size()));
  int onDisk = 0;
  for (const auto& f : std::filesystem::recursive_directory_iterator(dir_->path()))
    if (f.is_regular_file() && f.path().extension() == ".bmp") ++onDisk;
  EXPECT_EQ(onDisk, outcome_.filesWritten);
}

TEST_F(MakeArt, EveryEntryLoadsAtTheSizeItsUsersExpect) {
  for (const CatalogueEntry& e : assets::catalogueEntries()) {
    const SpriteSlot slot = load(e);
    const Size want = expectedSize(e.directory);
    EXPECT_EQ(slot.width, want.width) << e.directory << "/" << e.fileName;
    EXPECT_EQ(slot.height, want.height) << e.directory << "/" << e.fileName;
    EXPECT_EQ(slot.width % 4, 0u) << "the reader and the texture upload assume unpadded rows";
  }
}

TEST_F(MakeArt, KeyedPicturesCarryTheKeyColourAndMapTilesDoNot) {
  for (const CatalogueEntry& e : assets::catalogueEntries()) {
    const SpriteSlot slot = load(e);
    const bool keyed = isKeyedFolder(e.directory);
    EXPECT_EQ(hasPixel(slot, 255, 0, 246), keyed) << e.directory << "/" << e.fileName;
    if (keyed && e.fileName != "blank.bmp") {
      EXPECT_GE(drawnPixels(slot), 12) << e.fileName << " draws next to nothing";
    }
    if (e.directory == "bmp_cube") {
      EXPECT_FALSE(hasPixel(slot, 255, 0, 229)) << "the scene readback would drop it";
    }
  }
}

TEST_F(MakeArt, BlankDrawsNothingAndTheRoadIsAMarkerInABlackSurround) {
  for (const CatalogueEntry& e : assets::catalogueEntries()) {
    if (e.slot == 0) {
      EXPECT_EQ(drawnPixels(load(e)), 0);
    }
    if (e.slot == 22) {
      const SpriteSlot road = load(e);
      EXPECT_TRUE(hasPixel(road, 0, 0, 0));
      EXPECT_GT(drawnPixels(road), 16 * 16 / 2);
      EXPECT_LT(drawnPixels(road), 16 * 16);
    }
  }
}

TEST_F(MakeArt, SampleOverworldIsOneLevelOfOverworldCodesWithEveryKindOfPlace) {
  ASSERT_TRUE(mapWritten_);
  const std::vector<char> bytes = fileBytes(dir_->path() / "map" / "1.overworld");
  ASSERT_EQ(bytes.size(), static_cast<std::size_t>(LevelSize));
  std::set<int> seen;
  for (char b : bytes) seen.insert(static_cast<std::uint8_t>(b));
  for (int code : seen) {
    const bool overworld = (code >= 10 && code <= 24) || (code >= 180 && code <= 184) || (code >= 188 && code <= 194);
    EXPECT_TRUE(overworld) << "code " << code;
  }
  for (cell::Code want : {cell::LandPlain, cell::LandWater, cell::LandWaterDeep, cell::LandSwamp, cell::LandDesert,
                          cell::LandHills, cell::LandMountain, cell::LandMountainHigh, cell::LandRoad, cell::LandForest,
                          cell::LandForestB, cell::LandForestC, cell::VillageB, cell::VillageBRed, cell::Castle,
                          cell::Ruin, cell::Grotto, cell::Mine, cell::IronMine, cell::Well})
    EXPECT_TRUE(seen.contains(want)) << "missing code " << int{want};
  const OverworldCells again = makeOverworldMap();
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), again.begin(),
                         [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
}

TEST_F(MakeArt, ASecondRunWritesTheSameBytes) {
  assets::testing::ScratchDir second("makeart-again");
  ASSERT_EQ(writeCatalogueArt(second.path().string()).problem, "");
  ASSERT_TRUE(writeSampleOverworld(second.path().string()));
  int compared = 0;
  for (const auto& f : std::filesystem::recursive_directory_iterator(dir_->path())) {
    if (!f.is_regular_file()) continue;
    const auto relative = std::filesystem::relative(f.path(), dir_->path());
    EXPECT_EQ(fileBytes(f.path()), fileBytes(second.path() / relative)) << relative;
    ++compared;
  }
  EXPECT_EQ(compared, outcome_.filesWritten + 1);
}

}  // namespace
}  // namespace gloam::makeart
