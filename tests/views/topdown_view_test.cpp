// The top-down view on a hand-built world: which cells show tiles, which units are drawn, the bars
// and labels, the path marks and ring, and the whole frame against the literal reference.
#include <gtest/gtest.h>

#include <cstdlib>

#include "views/tile_slots.hpp"
#include "views/topdown_fixture.hpp"
#include "views/topdown_reference.hpp"
#include "views/topdown_view.hpp"
#include "world/cell_codes.hpp"

namespace gloam::views {
namespace {

using draw::testing::inkedPixels;
using draw::testing::pixelAt;
using Rgba = std::array<std::uint8_t, 4>;

int inkInTile(const draw::testing::PixelSet& ink, int column, int row) {
  int n = 0;
  for (int x = 16 * column; x < 16 * column + 16; ++x)
    for (int y = 16 * row; y < 16 * row + 16; ++y) n += static_cast<int>(ink.count({x, y}));
  return n;
}

class TopDownView : public ::testing::Test {
 protected:
  testing::TopDownFixture f;
  void draw() { drawTopDownView(f.screen, f.world(), f.bank, testing::sharedTrig(), f.text); }
};

TEST(TileSlots, TableFollowsTheCellCodeRuns) {
  EXPECT_EQ(tileSlotFor(cell::Wall), 111);
  EXPECT_EQ(tileSlotFor(cell::LandForestC), 24);
  EXPECT_EQ(tileSlotFor(cell::CoffinOpen), 125);
  EXPECT_EQ(tileSlotFor(cell::SpawnComplete), 133);
  EXPECT_EQ(tileSlotFor(cell::SourceRed), 161);
  EXPECT_EQ(tileSlotFor(cell::Lever), 156);
  int mapped = 0;
  for (int code = 0; code < 256; ++code) mapped += tileSlotFor(static_cast<std::uint8_t>(code)) != NoTile;
  EXPECT_EQ(mapped, 61);
  for (const int code : {0, 1, 5, 9, 25, 59, 160, 195, 255}) EXPECT_EQ(tileSlotFor(code), NoTile) << code;
}

TEST_F(TopDownView, EmptyAndTemplateMarkCellsStayBlackBesideDrawnTiles) {
  f.origin = {10, 10, 3};
  f.grid.setCell(10, 10, 3, cell::Empty);
  f.grid.setCell(11, 10, 3, cell::TemplateMark);
  f.grid.setCell(12, 10, 3, cell::Wall);
  draw();
  EXPECT_EQ(pixelAt(f.screen, 5, 5)[3], 0);
  EXPECT_EQ(pixelAt(f.screen, 16 + 5, 5)[3], 0);
  const auto& wall = f.bank[111].pixels;
  EXPECT_EQ(pixelAt(f.screen, 32, 0), (Rgba{wall[0], wall[1], wall[2], 255}));
  EXPECT_EQ(inkedPixels(f.screen).size(), 256u);
}

TEST_F(TopDownView, CellsBeyondTheGridDrawNoTile) {
  f.origin = {250, 0, 3};
  for (int x = 240; x < 256; ++x) f.grid.setCell(x, 0, 3, cell::Floor);
  draw();
  EXPECT_EQ(inkedPixels(f.screen).size(), 6u * 256u);  // columns 250..255 only
}

TEST_F(TopDownView, OnlyLiveEnabledUnitsOfShownKindsOnThisLevelAreDrawn) {
  f.origin = {0, 1, 4};
  f.addUnit(5, 3, 4, 4);
  f.addUnit(6, 6, 4, 5);                  // another level
  f.addUnit(7, 9, 4, 4).disabled = 1;
  f.addUnit(8, 12, 4, 4).unitKind = 2;
  f.addUnit(9, 15, 4, 4).unitKind = 9;
  f.addUnit(10, 3, 0, 4);                 // one row below the view: its label would reach row 0
  drawUnits(f.screen, f.world(), f.bank, f.text);
  EXPECT_EQ(pixelAt(f.screen, 48, 64)[3], 255);   // unit 5's red bar
  EXPECT_EQ(pixelAt(f.screen, 240, 64)[3], 255);  // unit 9
  for (const int x : {96, 144, 192}) EXPECT_EQ(pixelAt(f.screen, x, 64)[3], 0) << x;
  for (const auto& [x, y] : inkedPixels(f.screen)) EXPECT_GE(y, 48) << x;
  EXPECT_STREQ(f.text.text, "9 ms0 ");  // the last label drawn
}

TEST_F(TopDownView, BarsRunFromOnePixelAtZeroToFifteenAtFullHitPoints) {
  // Units 10..14 are labelled "1x ms0 ": the label's top row lands on the bar row, but the '1'
  // leaves columns 0, 2 and 3 and everything from column 11 on uncovered.
  const Rgba red{255, 0, 0, 255}, green{0, 255, 0, 255}, purple{96, 44, 136, 255};
  f.addUnit(10, 1, 1, 0).hitPoints = 0.0f;
  f.addUnit(11, 3, 1, 0);
  f.addUnit(12, 5, 1, 0).barStyle = 3;
  f.addUnit(13, 7, 1, 0).barStyle = 2;
  f.addUnit(14, 9, 1, 0).maxHitPoints = 0.0f;
  drawUnits(f.screen, f.world(), f.bank, f.text);
  EXPECT_EQ(pixelAt(f.screen, 16, 32), green);
  EXPECT_EQ(pixelAt(f.screen, 16 + 3, 32), red);
  EXPECT_EQ(pixelAt(f.screen, 16 + 14, 32), red);
  EXPECT_EQ(pixelAt(f.screen, 48 + 14, 32), green);
  EXPECT_EQ(pixelAt(f.screen, 48 + 15, 32)[3], 0);
  EXPECT_EQ(pixelAt(f.screen, 80 + 14, 32), purple);
  EXPECT_EQ(pixelAt(f.screen, 112, 32), red);
  EXPECT_EQ(pixelAt(f.screen, 144, 32), red);
}

TEST_F(TopDownView, WithoutAPathOnlyTheRoadUnderThePlayerIsMarked) {
  f.addUnit(units::PlayerUnitIndex, 5, 5, 7);  // on another level: the marks and ring still show
  f.setPlayerPath({{8, 8}, {7, 7}}, units::NoPath);
  drawPlayerPathAndRing(f.screen, f.world(), f.bank, testing::sharedTrig());
  const auto ink = inkedPixels(f.screen);
  EXPECT_GT(inkInTile(ink, 5, 5), 100);
  EXPECT_EQ(inkInTile(ink, 7, 7), 0);
  EXPECT_EQ(inkInTile(ink, 8, 8), 0);
  int ringNearRightmost = 0;  // the ring's rightmost point is (88 + 448, 88) give or take a pixel
  for (const auto& [x, y] : ink) ringNearRightmost += x >= 88 + 446 && x <= 88 + 448 && std::abs(y - 88) <= 2;
  EXPECT_GT(ringNearRightmost, 0);
}

TEST_F(TopDownView, PathMarksRunFromTheCursorDownToTheGoal) {
  f.addUnit(units::PlayerUnitIndex, 2, 2, 0);
  f.setPlayerPath({{6, 2}, {5, 2}, {4, 2}, {3, 2}}, 2);  // entry 3 is already walked
  drawPlayerPathAndRing(f.screen, f.world(), f.bank, testing::sharedTrig());
  const auto ink = inkedPixels(f.screen);
  EXPECT_EQ(inkInTile(ink, 3, 2), 0);
  EXPECT_GT(inkInTile(ink, 4, 2), 100);
  EXPECT_EQ(inkInTile(ink, 6, 2), inkInTile(ink, 4, 2));
}

TEST_F(TopDownView, FastFrameEqualsTheLiteralFrame) {
  testing::populateBusyLevel(f);
  draw();
  Screen slow;
  setScreenMode(slow, 640, 480);
  reference::drawTopDownFrame(slow, f.world(), f.bank, testing::sharedTrig(), f.text);
  EXPECT_EQ(f.screen.framebuffer, slow.framebuffer);
}

}  // namespace
}  // namespace gloam::views
