// The top-down view against its literal reference, the overlay texts, and the screen-saver view.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "views/overlay_texts.hpp"
#include "views/screen_saver_view.hpp"
#include "views/tile_slots.hpp"
#include "views/topdown_fixture.hpp"
#include "views/topdown_reference.hpp"
#include "views/topdown_view.hpp"
#include "world/cell_codes.hpp"

namespace gloam::views {
namespace {

using draw::testing::inkedPixels;
using draw::testing::sharedTrig;

class TopDownView : public ::testing::Test {
 protected:
  testing::TopDownFixture f;
  void draw() { drawTopDownView(f.screen, f.world(), f.bank, sharedTrig(), f.text); }
  void expectLiteralFrame(const char* label) {
    clearFramebuffer(f.screen);
    draw();
    Screen slow = draw::testing::blankScreen(640, 480);
    reference::drawTopDownFrame(slow, f.world(), f.bank, sharedTrig(), f.text);
    EXPECT_EQ(f.screen.framebuffer, slow.framebuffer) << label;
  }
};

TEST(TileSlots, TableFollowsTheCellCodeRuns) {
  const std::pair<cell::Code, int> slots[] = {{cell::Wall, 111},       {cell::LandForestC, 24},
                                              {cell::CoffinOpen, 125}, {cell::SpawnComplete, 133},
                                              {cell::SourceRed, 161},  {cell::Lever, 156}};
  for (const auto& [code, slot] : slots) EXPECT_EQ(tileSlotFor(code), slot) << int{code};
  int mapped = 0;
  for (int code = 0; code < 256; ++code) mapped += tileSlotFor(static_cast<std::uint8_t>(code)) != NoTile;
  EXPECT_EQ(mapped, 61);
  for (const int code : {0, 1, 5, 9, 25, 59, 160, 195, 255}) EXPECT_EQ(tileSlotFor(code), NoTile) << code;
}

TEST_F(TopDownView, CellsBeyondTheGridDrawNoTile) {
  f.origin = {250, 0, 3};
  for (int x = 240; x < 256; ++x) f.grid.setCell(x, 0, 3, cell::Floor);
  draw();
  EXPECT_EQ(inkedPixels(f.screen).size(), 6u * 256u);  // columns 250..255 only
}

// The unit filter, the four kinds of hit-point bar and the path marks from the cursor down; then the
// player on another level without a path, whose ring and road still show.
TEST_F(TopDownView, HandBuiltUnitsAndPathsMatchTheLiteralFrame) {
  f.origin = {0, 1, 4};
  f.addUnit(5, 3, 4, 4);
  f.addUnit(6, 6, 4, 5);
  f.addUnit(7, 9, 4, 4).disabled = 1;
  f.addUnit(8, 12, 4, 4).unitKind = 2;
  f.addUnit(9, 15, 4, 4).unitKind = 9;
  f.addUnit(10, 3, 0, 4);  // one row below the view: its label would reach row 0
  f.addUnit(11, 1, 8, 4).hitPoints = 0.0f;
  f.addUnit(12, 5, 8, 4).barStyle = 3;
  f.addUnit(13, 9, 8, 4).barStyle = 2;
  f.addUnit(14, 13, 8, 4).maxHitPoints = 0.0f;
  f.addUnit(units::PlayerUnitIndex, 20, 12, 4);
  f.setPlayerPath({{24, 12}, {23, 12}, {22, 12}, {21, 12}}, 2);  // entry 3 is already walked
  expectLiteralFrame("units and a half-walked path");
  f.units[units::PlayerUnitIndex].level = 7;
  f.paths.pathCursor[units::PlayerUnitIndex] = units::NoPath;
  expectLiteralFrame("player on another level without a path");
}

TEST_F(TopDownView, FastFrameEqualsTheLiteralFrame) {
  testing::populateBusyLevel(f);
  expectLiteralFrame("busy level");
}

TEST(OverlayTexts, BannerSitsBelowTheTopEdgeInYellow) {
  Screen s = draw::testing::blankScreen(320, 240);
  draw::TextBuffer text;
  drawBanner(s, text);
  for (const auto& [x, y] : inkedPixels(s)) {
    EXPECT_GE(y, 240 - 14 - 7);
    EXPECT_LE(y, 240 - 14 + 1);
    EXPECT_EQ(draw::testing::pixelAt(s, x, y), (std::array<std::uint8_t, 4>{255, 255, 0, 255}));
  }
  EXPECT_EQ(inkedPixels(s).begin()->first, BannerX);
}

TEST(OverlayTexts, NoticeFitsTheNarrowModeOnEachOfItsRows) {
  Screen s = draw::testing::blankScreen(400, 60);
  draw::TextBuffer text;
  drawNoticeLines(s, text);
  int maxX = 0;
  std::set<int> bands;
  for (const auto& [x, y] : inkedPixels(s)) {
    maxX = std::max(maxX, x);
    for (const int row : NoticeRows)
      if (y >= row - 7 && y <= row + 1) bands.insert(row);
  }
  EXPECT_LT(maxX, 320);
  EXPECT_EQ(bands.size(), 3u);
}

TEST(OverlayTexts, StatusLineShowsTheOriginAndMouseInTheLargeFont) {
  Screen s = draw::testing::blankScreen(320, 240);
  draw::TextBuffer text;
  drawOverlayTexts(s, text, world::ViewOrigin{7, 8, 9}, -3, 479);
  EXPECT_STREQ(text.text, "SX=7,SY=8,SZ=9 mx=-3 my=479");
  Screen alone = draw::testing::blankScreen(320, 240);
  drawTextLarge(alone, text, StatusX, StatusY, {255, 255, 0});
  for (const auto& pixel : inkedPixels(alone)) EXPECT_TRUE(inkedPixels(s).count(pixel));
}

// Replays the draws the view makes: one per pixel, then blue, green, red, y, x per ring. Returns
// the ring centres (x, y).
std::vector<std::pair<int, int>> expectedRings(Rng rng, int width, int height) {
  for (int i = 0; i < width * height; ++i) rng.next();
  std::vector<std::pair<int, int>> rings;
  for (int k = 0; k < 4; ++k) {
    rng.next(), rng.next(), rng.next();
    const int cy = rng.below(height);
    rings.emplace_back(rng.below(width), cy);
  }
  return rings;
}

void expectNoiseWithFourRings(int width, int height) {
  Screen s = draw::testing::blankScreen(width, height);
  Rng rng;
  rng.seed(77);
  const auto rings = expectedRings(rng, width, height);
  drawScreenSaverView(s, rng, 0, sharedTrig());
  const double radius = width / 5;
  std::vector<int> onRing(4, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto p = draw::testing::pixelAt(s, x, y);
      ASSERT_EQ(p[3], 255);
      if (p[0] == 0 && p[1] == 0) {
        ASSERT_LT(p[2], 255);
        continue;
      }
      bool near = false;  // a coloured pixel must sit on one of the four rings
      for (int k = 0; k < 4; ++k)
        if (std::abs(std::hypot(x - rings[k].first, y - rings[k].second) - radius) < 1.5) near = true, ++onRing[k];
      ASSERT_TRUE(near) << x << "," << y;
    }
  for (int k = 0; k < 4; ++k) EXPECT_GT(onRing[k], 20) << "ring " << k;
}

TEST(ScreenSaverView, RenewalFrameIsBlueNoiseWithFourRingsOfAFifthTheWidth) {
  expectNoiseWithFourRings(320, 240);
  expectNoiseWithFourRings(640, 480);
}

TEST(ScreenSaverView, PictureHoldsStillForFortyNineFramesThenChanges) {
  Screen s = draw::testing::blankScreen(320, 240);
  Rng rng;
  drawScreenSaverView(s, rng, 100, sharedTrig());
  const std::vector<std::uint8_t> first = s.framebuffer;
  const std::uint32_t drawsTaken = rng.state;
  for (int frame = 101; frame < 150; ++frame) {
    clearFramebuffer(s);
    drawScreenSaverView(s, rng, frame, sharedTrig());
    ASSERT_EQ(s.framebuffer, first) << "frame " << frame;
  }
  EXPECT_EQ(rng.state, drawsTaken);
  drawScreenSaverView(s, rng, 150, sharedTrig());
  EXPECT_NE(s.framebuffer, first);
}

}  // namespace
}  // namespace gloam::views
