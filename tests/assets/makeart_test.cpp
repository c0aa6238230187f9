// The art tool's output as the game sees it, the canvas primitives the painters rely on, and the icon.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <set>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

#include "assets/bitmap_reader.hpp"
#include "assets/catalogue.hpp"
#include "bmp_test_files.hpp"
#include "core/constants.hpp"
#include "makeart/art_output.hpp"
#include "makeart/canvas.hpp"
#include "makeart/game_icon.hpp"
#include "makeart/overworld_map.hpp"
#include "world/cell_codes.hpp"

namespace gloam::makeart {
namespace {

using assets::CatalogueEntry;
using assets::SpriteSlot;

bool isKeyedFolder(std::string_view dir) {
  return dir == "bmp_unit" || dir == "bmp_item" || dir == "bmp_structure" || dir == "bmp_cross";
}

// Width and height the pictures of a folder are drawn at; all whole rows, as the texture upload assumes.
std::pair<std::uint32_t, std::uint32_t> expectedSize(std::string_view dir) {
  if (dir == "bmp_cube") return {64, 64};
  if (dir == "bmp_scr") return {320, 240};
  return {16, 16};
}

int pixelsOf(const SpriteSlot& slot, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  int n = 0;
  for (std::size_t i = 0; i + 2 < slot.pixels.size(); i += 3)
    n += slot.pixels[i] == r && slot.pixels[i + 1] == g && slot.pixels[i + 2] == b;
  return n;
}

// What the keyed blit would put on screen: every pixel but the key colour and black.
int drawnPixels(const SpriteSlot& slot) {
  return static_cast<int>(slot.pixels.size() / 3) - pixelsOf(slot, 255, 0, 246) - pixelsOf(slot, 0, 0, 0);
}

class MakeArt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new assets::testing::ScratchDir("makeart");
    outcome_ = writeCatalogueArt(dir_->path().string());
    mapWritten_ = writeSampleOverworld(dir_->path().string());
  }
  static void TearDownTestSuite() { delete dir_; }

  static inline assets::testing::ScratchDir* dir_ = nullptr;
  static inline ArtOutcome outcome_;
  static inline bool mapWritten_ = false;
};

// Slot 22, the road, is a marker in a black surround.
TEST_F(MakeArt, EveryEntryLoadsAtItsSizeWithTheKeyColourWhereItBelongs) {
  for (const CatalogueEntry& e : assets::catalogueEntries()) {
    SCOPED_TRACE(std::string(e.directory) + "/" + std::string(e.fileName));
    SpriteSlot slot;
    EXPECT_TRUE(assets::loadBitmap(slot, assets::cataloguePath(dir_->path().string(), e)));
    EXPECT_EQ(std::pair(slot.width, slot.height), expectedSize(e.directory));
    const bool keyed = isKeyedFolder(e.directory);
    EXPECT_EQ(pixelsOf(slot, 255, 0, 246) > 0, keyed);
    if (e.slot == 0) {
      EXPECT_EQ(drawnPixels(slot), 0);
    } else if (keyed && e.fileName != "blank.bmp") {
      EXPECT_GE(drawnPixels(slot), 12) << "draws next to nothing";
    }
    if (e.directory == "bmp_cube") {
      EXPECT_EQ(pixelsOf(slot, 255, 0, 229), 0) << "the scene readback would drop it";
    }
    if (e.slot == 22) {
      EXPECT_GT(pixelsOf(slot, 0, 0, 0), 0);
      EXPECT_GT(drawnPixels(slot), 16 * 16 / 2);
      EXPECT_LT(drawnPixels(slot), 16 * 16);
    }
  }
}

TEST_F(MakeArt, SampleOverworldIsOneLevelOfOverworldCodesWithEveryKindOfPlace) {
  ASSERT_TRUE(mapWritten_);
  const std::string file = gloam::testing::readFile(dir_->path() / "map" / "1.overworld");
  const std::vector<std::uint8_t> bytes(file.begin(), file.end());
  ASSERT_EQ(bytes.size(), static_cast<std::size_t>(LevelSize));
  const std::set<int> seen(bytes.begin(), bytes.end());
  for (int code : seen)
    EXPECT_TRUE((code >= 10 && code <= 24) || (code >= 180 && code <= 184) || (code >= 188 && code <= 194)) << code;
  for (cell::Code want : {cell::LandPlain,  cell::LandWater,   cell::LandWaterDeep, cell::LandSwamp,
                          cell::LandDesert, cell::LandHills,   cell::LandMountain,  cell::LandMountainHigh,
                          cell::LandRoad,   cell::LandForest,  cell::LandForestB,   cell::LandForestC,
                          cell::VillageB,   cell::VillageBRed, cell::Castle,        cell::Ruin,
                          cell::Grotto,     cell::Mine,        cell::IronMine,      cell::Well})
    EXPECT_TRUE(seen.contains(want)) << "missing code " << int{want};
  EXPECT_EQ(bytes, makeOverworldMap());
}

// A file named twice in the catalogue is written once.
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
    EXPECT_EQ(gloam::testing::readFile(f.path()), gloam::testing::readFile(second.path() / relative)) << relative;
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
  const auto linked = std::count_if(cells.begin(), cells.end(), linkedByRoad);
  ASSERT_GE(linked - std::count(cells.begin(), cells.end(), cell::LandRoad), 20) << "villages, castles and mines";
  std::vector<bool> seen(cells.size(), false);
  std::vector<std::size_t> stack{
      static_cast<std::size_t>(std::find_if(cells.begin(), cells.end(), linkedByRoad) - cells.begin())};
  seen[stack.front()] = true;
  std::ptrdiff_t reached = 0;
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
  EXPECT_EQ(ground.pixels, (std::vector<Colour>{{50, 60, 70}, {50, 60, 70}, {255, 0, 245}, {1, 0, 0}}));
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

int brightness(Colour c) { return c.r + c.g + c.b; }

// The same picture at each size: a warm doorway low in the middle, dark sky in the corners.
TEST(GameIcon, EverySizeShowsALitDoorwayUnderADarkSky) {
  for (int size : GameIconSizes) {
    SCOPED_TRACE(size);
    const Canvas icon = paintGameIcon(size);
    ASSERT_EQ(std::pair(icon.width, icon.height), std::pair(size, size));
    const Colour glow = icon.at(size / 2, size * 7 / 8);
    const Colour sky = icon.at(0, 0);
    EXPECT_GT(glow.r, glow.b + 60);  // firelight is warm
    EXPECT_GT(brightness(glow), brightness(sky) + 150);
    EXPECT_GT(sky.b, sky.g);  // dusk
  }
}

TEST(GameIcon, WritesOnePngPerSizeIntoTheHicolorLayout) {
  assets::testing::ScratchDir dir("game-icons");
  ASSERT_EQ(writeGameIcons(dir.path().string()), "");
  for (int size : GameIconSizes) {
    const std::string edge = std::to_string(size);
    std::ifstream png(dir.path() / "hicolor" / (edge + "x" + edge) / "apps" / "gloamdelve.png", std::ios::binary);
    unsigned char head[24] = {};
    ASSERT_TRUE(png.read(reinterpret_cast<char*>(head), sizeof head)) << size;
    EXPECT_EQ(head[1], 'P');
    EXPECT_EQ((head[16] << 24) | (head[17] << 16) | (head[18] << 8) | head[19], size);  // IHDR width
  }
  std::ofstream(dir.path() / "blocked") << "a file where the folder should be";
  EXPECT_NE(writeGameIcons((dir.path() / "blocked").string()), "");
}

// The window's icon as C++: the painted icon's bytes, red, green, blue, row by row from the top.
TEST(GameIcon, TheWindowIconSourceHoldsThePaintedPixelsInOrder) {
  const std::string source = windowIconSource();
  const std::size_t open = source.find('{'), close = source.rfind('}');
  ASSERT_NE(source.find("WindowIconSide = " + std::to_string(WindowIconSide) + ";"), std::string::npos);
  ASSERT_TRUE(open != std::string::npos && close != std::string::npos);
  std::vector<int> bytes;
  std::istringstream numbers(source.substr(open + 1, close - open - 1));
  for (int value; numbers >> value; numbers.ignore(1)) bytes.push_back(value);
  const Canvas icon = paintGameIcon(WindowIconSide);
  ASSERT_EQ(bytes.size(), icon.pixels.size() * 3);
  for (std::size_t i = 0; i < icon.pixels.size(); ++i) {
    const Colour c = icon.pixels[i];
    ASSERT_EQ((std::array{bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]}), (std::array<int, 3>{c.r, c.g, c.b})) << i;
  }
}

}  // namespace
}  // namespace gloam::makeart
