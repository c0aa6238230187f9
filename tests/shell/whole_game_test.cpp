// Whole games on the headless platform: the overworld file at start-up, a right-click walk on the
// map, and a console command typed key by key, each checked on the state the game is left in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/keys.hpp"
#include "shell/headless_game.hpp"
#include "world/cell_codes.hpp"

namespace gloam::shell {
namespace {

namespace fs = std::filesystem;
using testing::HeadlessGame;

fs::path freshDir(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("gloam-whole-game-" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

TEST(WholeGame, OverworldFileFillsLevelZeroColumnByColumn) {
  const fs::path dir = freshDir("overworld");
  fs::create_directories(dir / "map");
  std::ofstream map(dir / "map" / "1.overworld", std::ios::binary);
  for (int k = 0; k < LevelSize; ++k) map.put(static_cast<char>(k % 256));
  map.close();
  HeadlessGame g("", 0, 1, dir.string());
  for (int y = 0; y < GridSide; y += 17)
    for (int x = 0; x < GridSide; ++x) ASSERT_EQ(g.game->grid.cellAt(x, y, 0), x) << x << "," << y;
  EXPECT_EQ(g.platform->sleptMs(), 1000);
}

TEST(WholeGame, WithoutAMapFolderLevelZeroHoldsOnlyTheStartUpCells) {
  HeadlessGame g("", 0, 1, freshDir("no-map").string());
  int nonEmpty = 0;
  for (int i = 0; i < LevelSize; ++i) nonEmpty += g.game->grid.level(0)[i] != cell::Empty;
  EXPECT_EQ(nonEmpty, 2);
  EXPECT_EQ(g.game->grid.cellAt(1, 0, 0), cell::EnvBlock);
  EXPECT_EQ(g.game->grid.cellAt(3, 0, 0), cell::EnvBlock);
  EXPECT_EQ(g.platform->sleptMs(), 0);
}

// A Floor cell a few steps from the player, reachable through Floor alone along a straight row.
bool findFloorInRow(const Game& game, int& destX, int& destY) {
  const units::UnitRecord& p = game.units[units::PlayerUnitIndex];
  for (int dx = 6; dx >= 2; --dx) {
    bool clear = true;
    for (int k = 1; k <= dx && clear; ++k) clear = game.grid.cellAt(p.cellX + k, p.cellY, p.level) == cell::Floor;
    if (clear) {
      destX = p.cellX + dx;
      destY = p.cellY;
      return true;
    }
  }
  return false;
}

TEST(WholeGame, RightClickWalksOneCellPerThirtyFramesToTheDestination) {
  for (std::uint32_t seed = 1; seed < 40; ++seed) {
    HeadlessGame probe("", 0, seed);
    int destX = 0, destY = 0;
    if (!findFloorInRow(*probe.game, destX, destY)) continue;
    const units::UnitRecord start = probe.game->units[units::PlayerUnitIndex];
    // The map shows the player's cell at the bottom-left corner (the view clamps at 1 or more).
    const std::string showMap = "0 down 117\n1 up 117\n";
    HeadlessGame mapProbe(showMap, 2, seed);
    const world::ViewOrigin view = mapProbe.run().game->view;
    const int mx = (destX - view.sx) * 16 + 8, my = (destY - view.sy) * 16 + 8;

    // A right click on the third pass, shorter than the pass itself.
    HeadlessGame g(showMap + "2 mouse " + std::to_string(mx) + " " + std::to_string(my) + "\n2 down 2\n2 up 2\n", -1,
                   seed);
    Game& game = *g.game;
    for (int pass = 0; pass < 3; ++pass) runOnePass(game);
    const units::UnitRecord& p = game.units[units::PlayerUnitIndex];
    int lastX = p.cellX, moves = 0;
    while (game.loop.frameCounter < 30 * 10) {
      runOnePass(game);
      if (p.cellX != lastX) {
        EXPECT_EQ((game.loop.frameCounter - 1) % 30, 0) << "a step off the tick";
        EXPECT_EQ(p.cellX, lastX + 1);
        lastX = p.cellX;
        ++moves;
      }
    }
    EXPECT_EQ(moves, destX - start.cellX);
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
    script += std::to_string(frame) + " down " + std::to_string(key) + "\n";
    script += std::to_string(frame + 1) + " up " + std::to_string(key) + "\n";
    frame += 2;
  }
  return script;
}

TEST(WholeGame, TypedTeleportMovesThePlayerAndTheView) {
  HeadlessGame probe("", 0, 3);
  const bool wall = probe.game->grid.cellAt(100, 100, 4) == cell::Wall;
  probe.game.reset();
  probe.platform.reset();

  const std::string script = "0 down 9\n1 up 9\n" + typeLine(2, "env4teleport 100 100 4") + "60 down 13\n61 up 13\n";
  HeadlessGame g(script, 64, 3);
  g.run();
  const units::UnitRecord& p = g.game->units[units::PlayerUnitIndex];
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
