// The top-down view on hand-built worlds: which cells show tiles, and whole frames (units, bars,
// labels, path marks and ring) against the literal reference, which states those rules on its own.
#include <gtest/gtest.h>

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

class TopDownView : public ::testing::Test {
 protected:
  testing::TopDownFixture f;
  void draw() { drawTopDownView(f.screen, f.world(), f.bank, testing::sharedTrig(), f.text); }
  void expectLiteralFrame(const char* label) {
    clearFramebuffer(f.screen);
    draw();
    Screen slow;
    setScreenMode(slow, 640, 480);
    reference::drawTopDownFrame(slow, f.world(), f.bank, testing::sharedTrig(), f.text);
    EXPECT_EQ(f.screen.framebuffer, slow.framebuffer) << label;
  }
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

// The unit filter (level, disabled, kinds, rows below the view), the four kinds of hit-point bar,
// and the path marks from the cursor down, drawn both ways; then the player on another level
// without a path, whose ring and road still show.
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

}  // namespace
}  // namespace gloam::views
