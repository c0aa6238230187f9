// Whole comfort-mode games on the headless platform, driven by scripted and tapped keys and clicks.
#include <gtest/gtest.h>

#include <vector>

#include "comfort/notice.hpp"
#include "comfort/view_follow.hpp"
#include "console/console_commands.hpp"
#include "platform/keys.hpp"
#include "support/headless_game.hpp"
#include "support/scratch_dir.hpp"
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

// The player is put off the screen by hand, as a walk or a teleport would.
TEST(ComfortGame, F6CentresThePlayerAndThePlayerOffTheScreenIsFollowed) {
  HeadlessGame g = comfortGame(tap(0, vk::F6));
  g.runTo(1);
  ASSERT_TRUE(wellInside(g.game->view, g.player(), g.game->screen.mode));
  units::UnitRecord& p = g.game->units[g.game->loop.playerUnitIndex];
  p.cellX = static_cast<std::uint16_t>(p.cellX < GridSide / 2 ? p.cellX + Columns : p.cellX - Columns);
  ASSERT_FALSE(onScreen(g));
  g.runTo(2);
  EXPECT_TRUE(wellInside(g.game->view, g.player(), g.game->screen.mode));
}

TEST(ComfortGame, TheConsoleOwnsTheKeyboardAndSaysWhatEachCommandDid) {
  HeadlessGame g = comfortGame("");
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
  type("\t");
  type("zm3 m3\r");
  EXPECT_STREQ(g.game->comfort.console.lastReport.text.data(), "no such command: zm3");
  EXPECT_STREQ(g.game->console.CommandLine, "");
  EXPECT_EQ(g.platform->sleptMs(), slept);
  EXPECT_EQ(g.game->loop.tickDivisor, StartTickDivisor);  // '3' went into the line, not to the speed
  EXPECT_EQ(g.platform->windowRect().left, window.left);  // nor M to the window
  EXPECT_EQ(g.platform->windowRect().top, window.top);
  EXPECT_EQ(g.player().walkPhase, walkPhase);  // nor Z to a step
}

std::vector<std::uint8_t> pictureAt(HeadlessGame& g, int frame) {
  g.runTo(frame);
  return g.game->shown.pixels;
}

// The middle button down at pass 10 with the mouse still, up at 14; down at 20 as the mouse moves
// 10 pixels; held while the mouse moves 40 pixels right at 30 and back at 40.
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

// Two seconds are 120 passes.
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

// With a readable map and no pictures; the classic start pauses for the map and shows no box.
TEST(ComfortPlay, StartsFastWithoutAPauseAndABoxSaysHowManyPicturesLoaded) {
  const gloam::testing::ScratchDir scratch("comfort-play-data");
  const std::string dir = scratch.path().string();
  scratch.write("map/1.overworld", std::vector<std::uint8_t>(LevelSize));
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
