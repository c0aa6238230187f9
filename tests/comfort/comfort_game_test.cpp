// Whole comfort-mode games on the headless platform: the map following a walk, one cell per arrow
// tap, no pauses, and a console that owns the keyboard and says what each command did.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "comfort/view_follow.hpp"
#include "platform/keys.hpp"
#include "support/headless_game.hpp"
#include "units/path_cell_rules.hpp"
#include "world/cell_codes.hpp"

namespace gloam::comfort {
namespace {

using testing::comfortGame;
using testing::HeadlessGame;
using testing::hold;
using testing::tap;

constexpr int Columns = 40;  // cells on show in the map view
constexpr int Rows = 30;

bool onScreen(const HeadlessGame& g) {
  const units::UnitRecord& p = g.player();
  const world::ViewOrigin& v = g.game->view;
  return p.level == v.sz && p.cellX >= v.sx && p.cellY >= v.sy && p.cellX < v.sx + Columns && p.cellY < v.sy + Rows;
}

TEST(ComfortGame, ATapScrollsOneCellAHeldLevelKeyRepeatsAndNothingPauses) {
  HeadlessGame g = comfortGame(tap(0, vk::F6) + tap(5, vk::Right) + tap(6, vk::Up) + tap(6, vk::Left) +
                               tap(6, vk::Left) + hold(20, vk::NumpadAdd, 50));
  g.runTo(5);
  const world::ViewOrigin before = g.game->view;
  const long long slept = g.platform->sleptMs();
  g.runTo(7);
  EXPECT_EQ(g.game->view.sx, before.sx + 1 - 1);  // a tap right, then two taps of Left in one pass: one
  EXPECT_EQ(g.game->view.sy, before.sy + 1);
  g.runTo(60);
  // Held 30 passes: the press, then repeats 250 ms (15 passes) in and every 3 passes after.
  EXPECT_EQ(g.game->view.sz, before.sz + 6);
  EXPECT_EQ(g.platform->sleptMs(), slept);
}

// The visible cell farthest from the player, but no more than `limit` orthogonal steps over
// enterable cells away: a target a right click can reach, along the corridors.
platform::Point farthestVisibleTarget(const HeadlessGame& g, int limit) {
  const world::ViewOrigin& v = g.game->view;
  const int z = g.player().level;
  std::vector<int> distance(GridSide * GridSide, -1);
  std::deque<int> queue{g.player().cellY * GridSide + g.player().cellX};
  distance[queue.front()] = 0;
  int best = queue.front();
  while (!queue.empty()) {
    const int at = queue.front();
    queue.pop_front();
    const int x = at % GridSide, y = at / GridSide;
    if (distance[at] > limit) break;
    if (x >= v.sx && y >= v.sy && x < v.sx + Columns && y < v.sy + Rows && distance[at] > distance[best]) best = at;
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& s : steps) {
      const int nx = x + s[0], ny = y + s[1];
      if (nx < 0 || ny < 0 || nx >= GridSide || ny >= GridSide) continue;
      if (distance[ny * GridSide + nx] >= 0 || !units::isEnterable(g.game->grid.cellAt(nx, ny, z))) continue;
      distance[ny * GridSide + nx] = distance[at] + 1;
      queue.push_back(ny * GridSide + nx);
    }
  }
  return {static_cast<float>((best % GridSide - v.sx) * TileSize + 8),
          static_cast<float>((best / GridSide - v.sy) * TileSize + 8)};
}

TEST(ComfortGame, F6CentresThePlayerAndASixtyStepRightClickWalkNeverLeavesTheScreen) {
  HeadlessGame g = comfortGame(tap(0, vk::F6) + tap(1, vk::digit(1)), 7);  // a step every 10 passes
  g.runTo(1);  // on the pass of F6, the map shows the player four cells inside every edge
  ASSERT_TRUE(comfort::wellInside(g.game->view, g.player(), g.game->screen.mode));
  // Each leg is a right click on the farthest cell the last pass showed, once the player stands.
  int steps = 0, lastX = g.player().cellX, lastY = g.player().cellY;
  for (int leg = 0; leg < 8 && steps < 60; ++leg) {
    if (leg > 0) {
      g.platform->pointAt(farthestVisibleTarget(g, 60 - steps));
      g.platform->tap(vk::RightButton);
    }
    const int clicked = g.game->loop.frameCounter;
    while (g.game->loop.frameCounter < clicked + 2 || g.player().moving == 1) {
      shell::runOnePass(*g.game);
      steps += g.player().cellX != lastX || g.player().cellY != lastY;
      lastX = g.player().cellX;
      lastY = g.player().cellY;
      ASSERT_TRUE(onScreen(g)) << "pass " << g.game->loop.frameCounter << ", leg " << leg;
    }
  }
  EXPECT_GE(steps, 60);
}

// The first cell of the player's level with the given code, as "x<sep>y<sep>z".
std::string cellWith(const HeadlessGame& g, cell::Code code, const std::string& sep) {
  const int z = g.player().level;
  for (int y = 1; y < GridSide - 1; ++y)
    for (int x = 1; x < GridSide - 1; ++x)
      if (g.game->grid.cellAt(x, y, z) == code)
        return std::to_string(x) + sep + std::to_string(y) + sep + std::to_string(z);
  return "";
}

TEST(ComfortGame, TheConsoleOwnsTheKeyboardAndSaysWhatEachCommandDid) {
  HeadlessGame g = comfortGame("");
  const std::string wall = cellWith(g, cell::Wall, ",");
  ASSERT_FALSE(wall.empty());
  const platform::Rect window = g.platform->windowRect();
  const long long slept = g.platform->sleptMs();
  ASSERT_EQ(g.game->screen.mode.width, 320);  // the first-person view, where Z walks backwards
  const float walkPhase = g.player().walkPhase;
  // Taps that type `text`, one key a pass, and the pass whose console step takes the last key.
  const auto type = [&g](const std::string& text) {
    for (const char ch : text) {
      g.platform->tap(ch >= 'a' && ch <= 'z' ? vk::KeyA + (ch - 'a') : ch);  // space, digits, \t, \r: their own keys
      shell::runOnePass(*g.game);
    }
    shell::runOnePass(*g.game);
  };
  const std::pair<std::string, std::string> steps[] = {
      {"zm3 m3", "no such command: zm3"},
      {"env4teleport " + cellWith(g, cell::Wall, " "), "blocked: Wall at " + wall},
  };
  type("\t");
  for (const auto& [line, result] : steps) {
    type(line + "\r");
    EXPECT_STREQ(g.game->comfort.console.lastReport.text.data(), result.c_str()) << line;
    EXPECT_STREQ(g.game->console.CommandLine, "");
  }
  EXPECT_EQ(g.platform->sleptMs(), slept);
  EXPECT_EQ(g.game->loop.tickDivisor, StartTickDivisor);  // '3' went into the line, not to the speed
  EXPECT_EQ(g.platform->windowRect().left, window.left);  // nor M to the window
  EXPECT_EQ(g.platform->windowRect().top, window.top);
  EXPECT_EQ(g.player().walkPhase, walkPhase);  // nor Z to a step
  EXPECT_NE(g.stateJson().find("\"result\":\"blocked: Wall at " + wall + "\""), std::string::npos);
}

}  // namespace
}  // namespace gloam::comfort
