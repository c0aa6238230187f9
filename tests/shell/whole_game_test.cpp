// Whole games on the headless platform, with scripted keys through the same code a window uses,
// each checked on the state the game is left in.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/keys.hpp"
#include "shell/startup.hpp"
#include "support/headless_game.hpp"
#include "support/scratch_dir.hpp"
#include "world/cell_codes.hpp"

namespace gloam::shell {
namespace {

using testing::HeadlessGame;
using testing::hold;
using testing::tap;

TEST(MainLoop, FramesEscapeAndCloseEndTheLoopOnTheirPass) {
  const struct {
    const char* script;
    long long frames;
    int passes;
  } cases[] = {
      {"", 3, 3},                        // --frames 3
      {"5 down 27\n", 100, 6},           // Escape finishes its pass
      {"5 down 27\n5 up 27\n", 100, 6},  // an Escape tap shorter than a pass still ends that pass
      {"2 close\n", 100, 3},             // a close request ends the loop after the drain
  };
  for (const auto& c : cases) {
    HeadlessGame g(c.script, c.frames);
    EXPECT_EQ(g.run().game->loop.frameCounter, c.passes) << c.script;
    EXPECT_EQ(g.game->loop.quitRequested, 1);
  }
}

TEST(MainLoop, AnUnchangedMapIsDrawnOnlyToRefreshItAMovingMouseEveryPass) {
  HeadlessGame still(hold(0, vk::F6, 1), 61);
  still.run();
  // The first-person pass, the new map window's first pass, then a refresh every 15 passes.
  EXPECT_EQ(still.game->shown.drawn, 2 + (61 - 2) / RedrawUnchangedEvery);
  std::string moves;
  for (int f = 1; f < 61; ++f) moves += std::to_string(f) + " mouse " + std::to_string(100 + f) + " 200\n";
  HeadlessGame moving(hold(0, vk::F6, 1) + moves, 61);
  EXPECT_EQ(moving.run().game->shown.drawn, 61);
}

TEST(MainLoop, ModeKeysKeepTheZoomAndHeldSpeedKeysLeaveTheLastOne) {
  HeadlessGame g(tap(0, vk::F6) + tap(2, vk::function(2)) + tap(4, vk::F5) + "6 down 49\n6 down 51\n", -1);
  g.runTo(4);  // F6 then F2: the map at zoom two
  EXPECT_EQ((std::array{g.game->screen.mode.width, g.game->screen.mode.height, g.game->screen.mode.pixelZoom}),
            (std::array{640, 480, 2}));
  EXPECT_EQ(g.platform->windowRect().right, 1280);
  EXPECT_EQ(g.platform->windowRect().bottom, 960);
  g.runTo(7);  // F5: back to first person, still at zoom two
  EXPECT_EQ(g.game->screen.mode.width, 320);
  EXPECT_EQ(g.game->screen.mode.pixelZoom, 2);
  EXPECT_EQ(g.platform->windowRect().right, 640);
  EXPECT_EQ(g.game->loop.tickDivisor, 60.0f);
}

TEST(MainLoop, ArrowsMoveACellAPassAndLevelKeysPauseAllWithinTheClamps) {
  HeadlessGame g(hold(0, vk::Right, 3) + hold(3, vk::Up, 50) + hold(60, vk::NumpadAdd, 64), -1);
  units::UnitRecord& player = g.game->units[g.game->loop.playerUnitIndex];
  std::tie(player.cellX, player.cellY, player.level) = std::make_tuple(255, 255, 200);
  shell::setViewFromPlayer(*g.game);  // the start-up view of a player in the far corner: the grid's last screen
  EXPECT_EQ(std::tie(g.game->view.sx, g.game->view.sy, g.game->view.sz), std::make_tuple(235, 240, 179));
  g.game->view = {234, 200, 177};
  g.runTo(60);
  EXPECT_EQ(g.game->view.sx, 256 - 320 / 16);  // 236: the third Right stops at the column limit
  EXPECT_EQ(g.game->view.sy, 256 - 240 / 16);  // 241: held Up stops at the 320x240 limit
  const long long slept = g.platform->sleptMs();
  g.runTo(66);
  EXPECT_EQ(g.game->view.sz, 179);  // and the last level
  EXPECT_EQ(g.platform->sleptMs() - slept, 4 * 380);
}

TEST(MainLoop, MouseCrossIsAnElevenPixelPlusOnTheMousePixel) {
  // The map of an Empty level far from the player shows nothing but texts, away from the mouse.
  HeadlessGame g("0 mouse 500 300\n" + tap(0, vk::F6), 2);
  g.game->view = {0, 0, 20};
  g.run();
  int inked = 0;
  for (int y = 290; y <= 310; ++y)
    for (int x = 490; x <= 510; ++x) {
      const std::uint8_t* p = g.presentedPixel(x, y);
      const bool white = p[0] == 255 && p[1] == 255 && p[2] == 255 && p[3] == 255;
      const bool onCross = (y == 300 && x >= 495 && x <= 505) || (x == 500 && y >= 295 && y <= 305);
      EXPECT_EQ(white, onCross) << x << "," << y;
      inked += white;
    }
  EXPECT_EQ(inked, 21);
}

TEST(WholeGame, LevelZeroIsTheOverworldFileColumnByColumnOrOnlyTheStartUpCells) {
  const gloam::testing::ScratchDir scratch("gloam-whole-game-overworld");
  const std::string dir = scratch.path().string();
  HeadlessGame without("", 0, 1, false, dir);
  EXPECT_EQ(without.game->grid.cellAt(1, 0, 0), cell::EnvBlock);
  EXPECT_EQ(without.game->grid.cellAt(3, 0, 0), cell::EnvBlock);
  EXPECT_EQ(without.platform->sleptMs(), 0);

  std::vector<std::uint8_t> map(LevelSize);
  for (int k = 0; k < LevelSize; ++k) map[k] = static_cast<std::uint8_t>(k);
  scratch.write("map/1.overworld", map);
  HeadlessGame g("", 0, 1, false, dir);
  for (int y = 0; y < GridSide; y += 17)
    for (int x = 0; x < GridSide; ++x) ASSERT_EQ(g.game->grid.cellAt(x, y, 0), x) << x << "," << y;
  EXPECT_EQ(g.platform->sleptMs(), 1000);
}

// The column of a Floor cell a few steps east of the player, reachable through Floor alone along
// the player's row; 0 when there is none.
int floorRunEnd(const HeadlessGame& g) {
  const units::UnitRecord& p = g.player();
  for (int dx = 6; dx >= 2; --dx) {
    bool clear = true;
    for (int k = 1; k <= dx && clear; ++k) clear = g.game->grid.cellAt(p.cellX + k, p.cellY, p.level) == cell::Floor;
    if (clear) return p.cellX + dx;
  }
  return 0;
}

TEST(WholeGame, RightClickWalksOneCellPerThirtyFramesToTheDestination) {
  for (std::uint32_t seed = 1; seed < 40; ++seed) {
    HeadlessGame g(tap(0, vk::F6), -1, seed);
    const int destX = floorRunEnd(g), startX = g.player().cellX, destY = g.player().cellY;
    if (destX == 0) continue;
    g.runTo(2);  // the map shows the player's cell at the bottom-left corner (clamped at 1 or more)
    // A right click on the third pass, shorter than the pass itself.
    const world::ViewOrigin& view = g.game->view;
    g.platform->pointAt({(destX - view.sx) * 16 + 8.0f, (destY - view.sy) * 16 + 8.0f});
    g.platform->tap(vk::RightButton);
    g.runTo(3);
    const units::UnitRecord& p = g.player();
    int lastX = p.cellX, moves = 0;
    while (g.game->loop.frameCounter < 30 * 10) {
      runOnePass(*g.game);
      if (p.cellX != lastX) {
        EXPECT_EQ((g.game->loop.frameCounter - 1) % 30, 0) << "a step off the tick";
        EXPECT_EQ(p.cellX, lastX + 1);
        lastX = p.cellX;
        ++moves;
      }
    }
    EXPECT_EQ(moves, destX - startX);
    EXPECT_EQ(p.cellX, destX);
    EXPECT_EQ(p.cellY, destY);
    EXPECT_EQ(p.moving, 0);
    return;
  }
  FAIL() << "no seed put a straight floor run beside the player";
}

std::string typeLine(int frame, const std::string& text) {
  std::string script;
  for (char c : text) {
    const int key = c == ' ' ? vk::Space : (c >= '0' && c <= '9') ? vk::digit(c - '0') : vk::letter(c - 'a' + 'A');
    script += hold(frame, key, frame + 1);
    frame += 2;
  }
  return script;
}

TEST(WholeGame, TypedTeleportMovesThePlayerAndTheView) {
  const std::string script = hold(0, vk::Tab, 1) + typeLine(2, "env4teleport 100 100 4") + hold(60, vk::Enter, 61);
  HeadlessGame g(script, 64, 3);
  g.run();
  const units::UnitRecord& p = g.player();
  const bool wall = g.game->grid.cellAt(100, 100, 4) == cell::Wall;  // a teleport leaves the cells alone
  EXPECT_EQ(std::string(g.game->console.CommandLine), "env4teleport 100 100 4");
  EXPECT_EQ(p.cellX == 100 && p.cellY == 100 && p.level == 4, !wall);
  if (!wall) {
    EXPECT_EQ(g.game->view.sz, 4);
  }
  // "CMD:" in white at x 14, rows 61..72: the console line is on the last picture.
  int white = 0;
  for (int y = 61; y <= 72; ++y)
    for (int x = 14; x < 14 + 4 * 8; ++x) {
      const std::uint8_t* px = g.presentedPixel(x, y);
      white += px[0] == 255 && px[1] == 255 && px[2] == 255;
    }
  EXPECT_GT(white, 30);
}

}  // namespace
}  // namespace gloam::shell
