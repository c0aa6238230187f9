// The loop on the headless platform: scripted keys through the same code a window uses, so
// the order of a pass, the mode keys, the clamps and the pauses are checked end to end.
#include <gtest/gtest.h>

#include "platform/keys.hpp"
#include "shell/headless_game.hpp"

namespace gloam::shell {
namespace {

using testing::HeadlessGame;
using testing::tap;

std::string hold(int frame, int key, int releaseFrame) {
  return std::to_string(frame) + " down " + std::to_string(key) + "\n" + std::to_string(releaseFrame) + " up " +
         std::to_string(key) + "\n";
}

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
  g.game->view = {100, 200, 177};
  g.runTo(60);
  EXPECT_EQ(g.game->view.sx, 103);
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

}  // namespace
}  // namespace gloam::shell
