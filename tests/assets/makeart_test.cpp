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
#include "makeart/canvas.hpp"
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

// Every entry loads at the size its users expect; keyed pictures carry the key colour and draw
// something (blank.bmp nothing), map tiles do not; the road is a marker in a black surround.
TEST_F(MakeArt, EveryEntryLoadsAtItsSizeWithTheKeyColourWhereItBelongs) {
  for (const CatalogueEntry& e : assets::catalogueEntries()) {
    SCOPED_TRACE(std::string(e.directory) + "/" + std::string(e.fileName));
    const SpriteSlot slot = load(e);
    const Size want = expectedSize(e.directory);
    EXPECT_EQ(slot.width, want.width);
    EXPECT_EQ(slot.height, want.height);
    EXPECT_EQ(slot.width % 4, 0u) << "the reader and the texture upload assume unpadded rows";
    const bool keyed = isKeyedFolder(e.directory);
    EXPECT_EQ(hasPixel(slot, 255, 0, 246), keyed);
    if (e.slot == 0) {
      EXPECT_EQ(drawnPixels(slot), 0);
    } else if (keyed && e.fileName != "blank.bmp") {
      EXPECT_GE(drawnPixels(slot), 12) << "draws next to nothing";
    }
    if (e.directory == "bmp_cube") {
      EXPECT_FALSE(hasPixel(slot, 255, 0, 229)) << "the scene readback would drop it";
    }
    if (e.slot == 22) {
      EXPECT_TRUE(hasPixel(slot, 0, 0, 0));
      EXPECT_GT(drawnPixels(slot), 16 * 16 / 2);
      EXPECT_LT(drawnPixels(slot), 16 * 16);
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
  for (cell::Code want : {cell::LandPlain,  cell::LandWater,   cell::LandWaterDeep, cell::LandSwamp,
                          cell::LandDesert, cell::LandHills,   cell::LandMountain,  cell::LandMountainHigh,
                          cell::LandRoad,   cell::LandForest,  cell::LandForestB,   cell::LandForestC,
                          cell::VillageB,   cell::VillageBRed, cell::Castle,        cell::Ruin,
                          cell::Grotto,     cell::Mine,        cell::IronMine,      cell::Well})
    EXPECT_TRUE(seen.contains(want)) << "missing code " << int{want};
  const OverworldCells again = makeOverworldMap();
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), again.begin(),
                         [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
}

// Every catalogue path once (a file named twice is written once), the map, nothing else; and the
// same bytes again on a second run.
TEST_F(MakeArt, WritesEveryCataloguePathOnceAndTheSameBytesOnASecondRun) {
  ASSERT_EQ(outcome_.problem, "");
  EXPECT_EQ(outcome_.entriesCovered, assets::CatalogueEntryCount);
  std::set<std::string> distinct;
  for (const CatalogueEntry& e : assets::catalogueEntries()) distinct.insert(assets::cataloguePath("", e));
  EXPECT_EQ(outcome_.filesWritten, static_cast<int>(distinct.size()));
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

bool linkedByRoad(std::uint8_t code) {
  return code == cell::LandRoad || (code >= cell::VillageB && code <= cell::VillageBRed) || code == cell::Castle ||
         code == cell::Mine || code == cell::IronMine;
}

TEST(SampleOverworld, RoadsJoinEveryVillageCastleAndMineIntoOneNetwork) {
  const OverworldCells cells = makeOverworldMap();
  std::vector<bool> seen(cells.size(), false);
  std::vector<std::size_t> stack;
  int linked = 0, sites = 0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (!linkedByRoad(cells[i])) continue;
    ++linked;
    if (cells[i] != cell::LandRoad) ++sites;
    if (stack.empty() && !seen[i]) seen[i] = true, stack.push_back(i);
  }
  int reached = 0;
  while (!stack.empty()) {  // flood fill over road and linked sites, 4-connected
    const std::size_t at = stack.back();
    stack.pop_back();
    ++reached;
    const int x = static_cast<int>(at % GridSide), y = static_cast<int>(at / GridSide);
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      if (x + dx < 0 || y + dy < 0 || x + dx >= GridSide || y + dy >= GridSide) continue;
      const auto next = static_cast<std::size_t>((y + dy) * GridSide + x + dx);
      if (!seen[next] && linkedByRoad(cells[next])) seen[next] = true, stack.push_back(next);
    }
  }
  EXPECT_GE(sites, 20);
  EXPECT_EQ(reached, linked);
}

TEST(MakeArtCanvas, BottomUpPixelsPutTheTopRowLastSoPicturesStandUpright) {
  Canvas c(4, 2, {10, 10, 10});
  c.set(0, 0, {1, 2, 3});  // top-left as painted
  const std::vector<std::uint8_t> rgb = bottomUpRgb(c);
  ASSERT_EQ(rgb.size(), 4u * 2 * 3);
  EXPECT_EQ((std::vector<std::uint8_t>(rgb.begin() + 12, rgb.begin() + 15)), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(rgb[0], 10);
}

TEST(MakeArtCanvas, KeyedOverlaySkipsExactlyTheGamesTwoKeyColours) {
  Canvas figure(4, 1, KeyColour);
  figure.set(1, 0, {0, 0, 0});
  figure.set(2, 0, {255, 0, 245});  // one step off the key: drawn
  figure.set(3, 0, {1, 0, 0});      // one step off black: drawn
  Canvas ground(4, 1, {50, 60, 70});
  overlayKeyed(ground, figure, 0, 0);
  EXPECT_EQ(ground.at(0, 0), (Colour{50, 60, 70}));
  EXPECT_EQ(ground.at(1, 0), (Colour{50, 60, 70}));
  EXPECT_EQ(ground.at(2, 0), (Colour{255, 0, 245}));
  EXPECT_EQ(ground.at(3, 0), (Colour{1, 0, 0}));
}

TEST(MakeArtCanvas, OutlineRingsTheFigureWithoutTouchingIt) {
  Canvas c(5, 5, KeyColour);
  c.set(2, 2, {200, 0, 0});
  outline(c, KeyColour, {9, 9, 9});
  EXPECT_EQ(c.at(2, 2), (Colour{200, 0, 0}));
  for (auto [x, y] : {std::pair{1, 2}, {3, 2}, {2, 1}, {2, 3}}) EXPECT_EQ(c.at(x, y), (Colour{9, 9, 9}));
  for (auto [x, y] : {std::pair{1, 1}, {3, 3}, {0, 2}}) EXPECT_EQ(c.at(x, y), KeyColour);  // 4-neighbours only
}

TEST(MakeArtCanvas, ShadingNeverProducesTheBlackKeyColour) {
  EXPECT_EQ(visible(shade({40, 40, 40}, 0.0)), (Colour{1, 1, 1}));
  EXPECT_EQ(visible({0, 0, 1}), (Colour{0, 0, 1}));
}

}  // namespace
}  // namespace gloam::makeart
