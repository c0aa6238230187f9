// Whole comfort-mode games on the headless platform: the map following a walk, one cell per arrow
// tap, no pauses, a console that owns the keyboard and says what each command did, looking around
// by dragging, leaving with a second Escape, help in the console and on H, the notice line's
// messages, and the pace at start.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <vector>

#include "comfort/notice.hpp"
#include "comfort/view_follow.hpp"
#include "console/console_commands.hpp"
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

std::vector<std::uint8_t> pictureAt(HeadlessGame& g, int frame) {
  g.runTo(frame);
  return g.game->shown.pixels;
}

// The first-person view. The middle button goes down at pass 10 with the mouse still and up at
// 14; down again at 20 as the mouse moves 10 pixels; then the mouse moves 40 pixels right at pass
// 30 and back at pass 40 with the button held.
TEST(ComfortPlay, PressingNeverTurnsTheViewAndADragThereAndBackGivesTheSamePicture) {
  HeadlessGame g = comfortGame("0 mouse 160 120\n10 down 4\n14 up 4\n20 mouse 170 120\n20 down 4\n" +
                               std::string("30 mouse 210 120\n40 mouse 170 120\n"));
  const std::vector<std::uint8_t> start = pictureAt(g, 10);
  const float yaw = g.game->firstPerson.viewYaw, pitch = g.game->firstPerson.viewPitch;
  EXPECT_EQ(pictureAt(g, 13), start);  // pressed without moving
  const std::vector<std::uint8_t> pressed = pictureAt(g, 22);
  EXPECT_EQ(g.game->firstPerson.viewYaw, yaw);  // pressed while moving: not turned either
  EXPECT_EQ(g.game->firstPerson.viewPitch, pitch);
  EXPECT_NE(pictureAt(g, 32), pressed);
  EXPECT_EQ(g.game->firstPerson.viewYaw, yaw - 80.0f);  // 40 pixels right at 2 degrees each
  EXPECT_EQ(g.game->firstPerson.viewPitch, pitch);
  EXPECT_EQ(pictureAt(g, 42), pressed);
  EXPECT_EQ(g.game->firstPerson.viewYaw, yaw);
}

// A first Escape asks and the game goes on; a second one within 2 s (120 passes) quits, one after
// that asks again. With the console open, Escape only closes it.
TEST(ComfortPlay, OneEscapeAsksTwoWithinTwoSecondsQuitAndWithTheConsoleOpenItClosesIt) {
  HeadlessGame asked = comfortGame(tap(5, vk::Escape) + tap(20, vk::Escape));
  asked.runTo(19);
  EXPECT_EQ(asked.game->loop.quitRequested, 0);
  EXPECT_STREQ(noticeLine(asked.game->comfort.notice), QuitPromptText);
  asked.runTo(30);
  EXPECT_EQ(asked.game->loop.quitRequested, 1);
  EXPECT_EQ(asked.game->loop.frameCounter, 21);  // the pass of the second Escape was the last

  HeadlessGame late = comfortGame(tap(5, vk::Escape) + tap(130, vk::Escape));
  late.runTo(129);
  EXPECT_STREQ(noticeLine(late.game->comfort.notice), HintText);
  late.runTo(135);
  EXPECT_EQ(late.game->loop.quitRequested, 0);
  EXPECT_STREQ(noticeLine(late.game->comfort.notice), QuitPromptText);

  HeadlessGame console = comfortGame(tap(2, vk::Tab) + tap(6, vk::Escape));
  console.runTo(5);
  ASSERT_EQ(console.game->console.ConsoleVisible, 1);
  console.runTo(10);
  EXPECT_EQ(console.game->console.ConsoleVisible, 0);
  EXPECT_EQ(console.game->loop.quitRequested, 0);
  EXPECT_STREQ(noticeLine(console.game->comfort.notice), HintText);  // not asked
}

// "help" answers with every command of the table and itself, whole, in the state's console.result;
// H shows and hides the key panel, but types an h while the console is open.
TEST(ComfortPlay, HelpListsEveryCommandAndHShowsThePanelWithTheConsoleClosed) {
  const int frame = 10;  // Tab, h, e, l, p, Enter, Tab on passes 2 to 8; H at 12
  HeadlessGame g =
      comfortGame(tap(2, vk::Tab) + tap(3, vk::letter('H')) + tap(4, vk::letter('E')) + tap(5, vk::letter('L')) +
                  tap(6, vk::letter('P')) + tap(7, vk::Enter) + tap(8, vk::Tab) + tap(frame + 2, vk::letter('H')));
  g.runTo(frame);
  EXPECT_FALSE(g.game->comfort.helpShown);  // the h of "help" was typed, not a panel
  const std::string result = g.game->comfort.console.lastReport.text.data();
  for (const console::ConsoleCommand& command : console::commandTable())
    EXPECT_NE(result.find(command.name), std::string::npos) << command.name << " in " << result;
  EXPECT_TRUE(result.ends_with(" help")) << result;
  EXPECT_NE(g.stateJson().find("\"result\":\"" + result + "\""), std::string::npos);
  const std::vector<std::uint8_t> before = pictureAt(g, frame + 2);
  EXPECT_NE(pictureAt(g, frame + 4), before);
  EXPECT_TRUE(g.game->comfort.helpShown);
}

// In the map, a right click on a Wall cell on show: no route is found or drawn, and the notice
// line says so, in the state too.
TEST(ComfortPlay, AClickWithNoRouteSaysNoWayThere) {
  HeadlessGame g = comfortGame(tap(0, vk::F6));
  g.runTo(2);
  const world::ViewOrigin v = g.game->view;
  const int z = g.player().level;
  platform::Point target{-1, -1};
  for (int y = 0; y < 30 && target.x < 0; ++y)
    for (int x = 0; x < 40 && target.x < 0; ++x)
      if (g.game->grid.cellAt(v.sx + x, v.sy + y, z) == cell::Wall)
        target = {static_cast<float>(x * TileSize + 8), static_cast<float>(y * TileSize + 8)};
  ASSERT_GE(target.x, 0);
  g.platform->pointAt(target);
  g.platform->tap(vk::RightButton);
  g.runTo(15);  // a movement tick every 10 passes
  EXPECT_EQ(g.player().moving, 0);
  EXPECT_EQ(g.game->paths.table.pathLength[units::PlayerUnitIndex], 0u);
  EXPECT_NE(g.stateJson().find("\"notice\":\"no way there\""), std::string::npos) << g.stateJson();
}

// With a readable map and no pictures: the classic start pauses for the map and says nothing but
// on stderr; comfort starts at a step every 10 passes with no pause, and a message box names the
// data folder and the pictures that loaded.
TEST(ComfortPlay, StartsFastWithoutAPauseAndABoxSaysHowManyPicturesLoaded) {
  const std::string dir = ::testing::TempDir() + "comfort-play-data";
  std::filesystem::create_directories(dir + "/map");
  std::ofstream(dir + "/map/1.overworld", std::ios::binary) << std::string(LevelSize, '\0');
  for (const bool comfort : {false, true}) {
    SCOPED_TRACE(comfort ? "comfort" : "classic");
    HeadlessGame g("", 0, 5, comfort, dir);
    g.run();
    const std::string json = g.stateJson();
    EXPECT_NE(json.find(comfort ? "\"tickDivisor\":10," : "\"tickDivisor\":30,"), std::string::npos) << json;
    EXPECT_EQ(g.platform->sleptMs() == 0, comfort);
    ASSERT_EQ(g.messages.size(), comfort ? 1u : 0u);
    if (comfort) {
      EXPECT_NE(g.messages[0].find("loaded 0 of 214 pictures from " + dir), std::string::npos) << g.messages[0];
    }
  }
}

}  // namespace
}  // namespace gloam::comfort
