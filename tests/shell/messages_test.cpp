// The window procedure: a close request quits, the handled and swallowed messages do nothing
// further, and only a key press reaches comfort mode's console queue.
#include <gtest/gtest.h>

#include "shell/game.hpp"
#include "shell/messages.hpp"
#include "support/fake_platform.hpp"

namespace gloam::shell {
namespace {

using Kind = platform::Event::Kind;

TEST(WindowProcedure, OnlyKeyPressesReachTheComfortConsoleAndOnlyCloseQuits) {
  for (const bool comfort : {false, true}) {
    SCOPED_TRACE(comfort ? "comfort" : "classic");
    testing::FakePlatform p;
    Game game(p, {.comfort = comfort});
    for (const Kind kind : {Kind::Activate, Kind::ScreenSave, Kind::MonitorPower, Kind::Other})
      wndProc(game, {kind, 'A'});
    EXPECT_EQ(game.comfort.console.pendingCount, 0);
    EXPECT_EQ(game.loop.quitRequested, 0);
    wndProc(game, {Kind::KeyPress, 'A'});
    EXPECT_EQ(game.comfort.console.pendingCount, comfort ? 1 : 0);
    wndProc(game, {Kind::Close, 0});
    EXPECT_EQ(game.loop.quitRequested, 1);
  }
}

}  // namespace
}  // namespace gloam::shell
