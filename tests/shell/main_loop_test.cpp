// The loop on the headless platform: scripted keys through the same code a window uses, so
// the order of a pass, the mode keys, the clamps and the pauses are checked end to end.
#include <gtest/gtest.h>

#include "platform/keys.hpp"
#include "shell/headless_game.hpp"

namespace gloam::shell {
namespace {

using testing::HeadlessGame;

std::string press(int frame, int key, int releaseFrame) {
  return std::to_string(frame) + " down " + std::to_string(key) + "\n" + std::to_string(releaseFrame) + " up " +
         std::to_string(key) + "\n";
}

TEST(MainLoop, FramesOptionEndsTheLoopAfterThatManyPasses) {
  HeadlessGame g("", 3);
  g.run();
  EXPECT_EQ(g.game->loop.frameCounter, 3);
  EXPECT_EQ(g.game->loop.quitRequested, 1);
}

TEST(MainLoop, EscapeFinishesItsPassThenEnds) {
  HeadlessGame g("5 down 27\n", 100);
  g.run();
  EXPECT_EQ(g.game->loop.frameCounter, 6);
}

TEST(MainLoop, AnEscapeTapShorterThanAPassStillEndsThatPass) {
  HeadlessGame g("5 down 27\n5 up 27\n", 100);
  g.run();
  EXPECT_EQ(g.game->loop.frameCounter, 6);
}

TEST(MainLoop, AnUnchangedMapIsDrawnOnlyToRefreshItAMovingMouseEveryPass) {
  HeadlessGame still(press(0, vk::F6, 1), 61);
  still.run();
  // The first-person pass, the new map window's first pass, then a refresh every 15 passes.
  EXPECT_EQ(still.game->shown.drawn, 2 + (61 - 2) / RedrawUnchangedEvery);
  std::string moves;
  for (int f = 1; f < 61; ++f) moves += std::to_string(f) + " mouse " + std::to_string(100 + f) + " 200\n";
  HeadlessGame moving(press(0, vk::F6, 1) + moves, 61);
  moving.run();
  EXPECT_EQ(moving.game->shown.drawn, 61);
}

TEST(MainLoop, CloseRequestEndsTheLoopAfterTheDrain) {
  HeadlessGame g("2 close\n", 100);
  g.run();
  EXPECT_EQ(g.game->loop.frameCounter, 3);
}

TEST(MainLoop, F6ThenF2GivesTheMapAtZoomTwo) {
  HeadlessGame g(press(0, vk::F6, 1) + press(2, vk::function(2), 3), 5);
  g.run();
  const ScreenMode& m = g.game->screen.mode;
  EXPECT_EQ(m.width, 640);
  EXPECT_EQ(m.height, 480);
  EXPECT_EQ(m.pixelZoom, 2);
  EXPECT_EQ(g.platform->windowRect().right, 1280);
  EXPECT_EQ(g.platform->windowRect().bottom, 960);
}

TEST(MainLoop, F6ThenF5ReturnsToTheFirstPersonModeAtZoomTwo) {
  HeadlessGame g(press(0, vk::F6, 1) + press(2, vk::F5, 3), 4);
  g.run();
  EXPECT_EQ(g.game->screen.mode.width, 320);
  EXPECT_EQ(g.game->screen.mode.pixelZoom, 2);
  EXPECT_EQ(g.platform->windowRect().right, 640);
}

TEST(MainLoop, ArrowsMoveTheViewACellPerFrameWithinTheClamps) {
  HeadlessGame g(press(0, vk::Right, 3) + press(3, vk::Up, 1000), 300);
  g.game->view = {100, 200, 2};
  g.run();
  EXPECT_EQ(g.game->view.sx, 103);
  EXPECT_EQ(g.game->view.sy, 256 - 240 / 16);  // 241: held Up stops at the 320x240 limit
}

TEST(MainLoop, LevelKeysPauseAndStopAtTheLastLevel) {
  HeadlessGame g(press(0, vk::NumpadAdd, 4), 6);
  g.game->view = {10, 10, 177};
  g.run();
  EXPECT_EQ(g.game->view.sz, 179);
  EXPECT_EQ(g.platform->sleptMs(), 4 * 380);
}

TEST(MainLoop, SpeedKeysHeldTogetherLeaveTheLastOne) {
  HeadlessGame g(std::string("0 down 49\n0 down 51\n"), 1);
  g.run();
  EXPECT_EQ(g.game->loop.tickDivisor, 60.0f);
}

TEST(MainLoop, MouseCrossIsAnElevenPixelPlusOnTheMousePixel) {
  // The map of an Empty level far from the player shows nothing but texts, away from the mouse.
  HeadlessGame g("0 mouse 500 300\n" + press(0, vk::F6, 1), 2);
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

}  // namespace
}  // namespace gloam::shell
