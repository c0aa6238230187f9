// Comfort's window: where each new one goes and what it is (framed, resizable, never smaller than
// the scene), and, in whole headless games, F11 and Alt+Enter going fullscreen and back to the
// window as the player left it.
#include <gtest/gtest.h>

#include "platform/keys.hpp"
#include "shell/comfort_window.hpp"
#include "support/headless_game.hpp"

namespace gloam::shell {
namespace {

using platform::Rect;
using testing::comfortGame;
using testing::tap;

Rect sized(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
Rect placeOf(const platform::WindowSpec& s) { return sized(s.left, s.top, s.width, s.height); }

TEST(ComfortWindowSpec, AFirstWindowIsCentredLaterOnesKeepTheirPlaceAndNoneIsSmallerThanTheScene) {
  const ScreenMode map{640, 480, 1}, scene{320, 240, 3}, smallest{320, 240, 1};
  const Rect screen = sized(0, 0, 1280, 1024);
  ComfortWindow w;
  EXPECT_EQ(placeOf(comfortWindowSpec(w, map, screen)), sized(320, 272, 640, 480));
  EXPECT_EQ(placeOf(comfortWindowSpec(w, map, sized(50, 30, 600, 400))), sized(50, 30, 640, 480));  // too big: corner
  EXPECT_EQ(placeOf(comfortWindowSpec(w, map, std::nullopt)), sized(0, 0, 640, 480));               // no display
  w.windowed = sized(100, 50, 1000, 700);                                             // where the player left it
  EXPECT_EQ(placeOf(comfortWindowSpec(w, scene, screen)), sized(100, 50, 960, 720));  // a zoom key: the zoom's size
  w.restoreSize = true;
  EXPECT_EQ(placeOf(comfortWindowSpec(w, scene, screen)), w.windowed);  // leaving fullscreen: as it was
  w.windowed = sized(100, 50, 100, 100);
  EXPECT_EQ(placeOf(comfortWindowSpec(w, smallest, screen)), sized(100, 50, 320, 240));
  w.restoreSize = false;
  w.fullscreen = true;
  const platform::WindowSpec full = comfortWindowSpec(w, map, screen);
  EXPECT_TRUE(full.fullscreen);
  EXPECT_EQ(placeOf(full), sized(100, 50, 320, 240));  // its centre names the display
  EXPECT_STREQ(full.title, "GLOAMDELVE");
  EXPECT_TRUE(full.framed && full.resizable);
  EXPECT_EQ((std::array{full.minWidth, full.minHeight}), (std::array{320, 240}));
}

TEST(ComfortFullscreen, F11AndAltEnterToggleItAndLeavingRestoresTheResizedWindow) {
  const std::string alt = std::to_string(vk::Alt);
  testing::HeadlessGame g =
      comfortGame(tap(2, vk::F11) + tap(4, vk::F11) + "6 down " + alt + "\n" + tap(7, vk::Enter) + "9 up " + alt +
                  "\n" + tap(11, vk::Tab) + "13 down " + alt + "\n" + tap(14, vk::Enter) + "16 up " + alt + "\n");
  g.runTo(1);
  const Rect resized = sized(40, 30, 1000, 700);
  g.platform->moveWindow(resized);  // the player drags the frame
  g.runTo(3);
  EXPECT_TRUE(g.game->comfortWindow.fullscreen);
  g.runTo(5);
  EXPECT_FALSE(g.game->comfortWindow.fullscreen);
  EXPECT_EQ(g.platform->windowRect(), resized);
  g.runTo(8);
  EXPECT_TRUE(g.game->comfortWindow.fullscreen) << "Alt+Enter";
  g.runTo(15);
  EXPECT_EQ(g.game->console.ConsoleVisible, 1);
  EXPECT_TRUE(g.game->comfortWindow.fullscreen) << "Alt+Enter with the console open is the console's Enter";
}

}  // namespace
}  // namespace gloam::shell
