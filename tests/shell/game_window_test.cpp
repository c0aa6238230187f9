// The window, its procedure and the pass clock against a platform the test drives by hand: what a
// failure tears down and reports, in order, which messages act, and deadlines without drift or bursts.
#include <gtest/gtest.h>

#include <vector>

#include "shell/frame_clock.hpp"
#include "shell/game.hpp"
#include "shell/game_window.hpp"
#include "shell/messages.hpp"
#include "support/fake_platform.hpp"

namespace gloam::shell {
namespace {

using gloam::testing::FakePlatform;
using platform::CloseStep;
using platform::Instant;
using platform::OpenStep;
using std::chrono::milliseconds;
using Calls = std::vector<std::string>;
using Kind = platform::Event::Kind;

TEST(GameWindow, EachFailingStepTearsDownFirstThenShowsItsOwnMessage) {
  const std::pair<OpenStep, const char*> cases[] = {
      {OpenStep::RegisterClass, "Failed To Register The Window Class."},  // nothing to tear down yet
      {OpenStep::CreateWindow, "Window Creation Error."},
      {OpenStep::DeviceContext, "Can't Create A GL Device Context."},
      {OpenStep::ChooseFormat, "Can't Find A Suitable PixelFormat."},
      {OpenStep::SetFormat, "Can't Set The PixelFormat."},
      {OpenStep::CreateContext, "Can't Create A GL Rendering Context."},
      {OpenStep::ActivateContext, "Can't Activate The GL Rendering Context."},
  };
  for (const auto& [step, text] : cases) {
    FakePlatform p;
    p.failOpenAt = step;
    Game game(p, {});
    EXPECT_EQ(createGameWindow(game), 0) << text;
    // No hideCursor: a failed creation leaves the cursor alone.
    Calls want{"open 640x480", "close", std::string("message ERROR: ") + text};
    if (step == OpenStep::RegisterClass) want.erase(want.begin() + 1);
    EXPECT_EQ(p.calls, want);
  }
}

TEST(GameWindow, TeardownReportsEveryFailedStepInTeardownOrder) {
  FakePlatform p;
  p.failCloseSteps = static_cast<unsigned>(CloseStep::UnregisterClass) |
                     static_cast<unsigned>(CloseStep::ReleaseContext) | static_cast<unsigned>(CloseStep::DestroyWindow);
  Game game(p, {});
  destroyGameWindow(game);
  const Calls want{"close", "message SHUTDOWN ERROR: Release Of DC And RC Failed.",
                   "message SHUTDOWN ERROR: Could Not Release hWnd.",
                   "message SHUTDOWN ERROR: Could Not Unregister Class."};
  EXPECT_EQ(p.calls, want);
}

TEST(WindowProcedure, OnlyKeyPressesReachTheComfortConsoleAndOnlyCloseQuits) {
  for (const bool comfort : {false, true}) {
    SCOPED_TRACE(comfort ? "comfort" : "classic");
    FakePlatform p;
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

constexpr Instant Start{1'000'000};  // the clock's reading before the first pass, not its zero

// Runs passes that each take the given time before the clock is asked to wait; returns every
// deadline waited for.
std::vector<Instant> pace(int fps, const std::vector<int>& passMs) {
  FakePlatform p;
  p.clock = Start;
  FrameClock clock{fps};
  for (int ms : passMs) {
    p.clock += milliseconds(ms);
    waitForNextPass(clock, p);
  }
  return p.deadlines;
}

TEST(FrameClock, PassesKeepTheCadenceWithoutDriftOrCatchUpBursts) {
  const struct {
    int fps;
    std::vector<int> passMs;  // the work of each pass before it waits
    std::vector<int> waits;   // the deadlines waited for, in ms from the start
  } cases[] = {
      {50, {3, 5, 19, 1}, {23, 43, 63, 83}},  // each pass ends 20 ms after the last, however long its work
      {50, {5, 400, 5, 5}, {25, 445, 465}},   // a 380 ms overrun: the next pass at once, measured from its end
      {50, {5, 25, 5, 5}, {25, 65, 85}},      // 5 ms late: the next at once, the one after back on the grid
      {50, {5, 40, 5}, {25, 85}},             // a whole period late is an overrun: measured from its end
      {50, {5, 39, 5, 5}, {25, 85}},          // a millisecond less is only late: back on the grid
      {0, {1, 1, 1}, {}},                     // uncapped never waits
  };
  for (const auto& c : cases) {
    std::vector<Instant> want;
    for (int ms : c.waits) want.push_back(Start + milliseconds(ms));
    EXPECT_EQ(pace(c.fps, c.passMs), want) << c.fps << " " << c.passMs[1];
  }
}

}  // namespace
}  // namespace gloam::shell
