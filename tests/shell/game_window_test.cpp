// Window creation and teardown: the order of the steps, what is torn down before a failure is
// reported, and the texts of the reports.
#include <gtest/gtest.h>

#include "shell/game_window.hpp"
#include "shell/recording_platform.hpp"

namespace gloam::shell {
namespace {

using testing::RecordingPlatform;
using Calls = std::vector<std::string>;

TEST(GameWindow, FailedContextTearsDownEverythingBeforeTheMessage) {
  RecordingPlatform p;
  p.failStep = "createContext";
  Game game(p, {});
  game.screen.mode = {320, 240, 2};
  EXPECT_EQ(createGameWindow(game), 0);
  const Calls want{"registerClass", "createWindow", "getDc", "choosePixelFormat", "setPixelFormat",
                   "createContext", "releaseDc", "destroyWindow", "unregisterClass",
                   "message ERROR: Can't Create A GL Rendering Context."};
  EXPECT_EQ(p.calls, want);  // no hideCursor: a failed creation leaves the cursor alone
}

TEST(GameWindow, EachFailingStepHasItsOwnMessage) {
  const std::pair<const char*, const char*> cases[] = {
      {"registerClass", "Failed To Register The Window Class."},
      {"createWindow", "Window Creation Error."},
      {"getDc", "Can't Create A GL Device Context."},
      {"choosePixelFormat", "Can't Find A Suitable PixelFormat."},
      {"setPixelFormat", "Can't Set The PixelFormat."},
      {"makeCurrent", "Can't Activate The GL Rendering Context."},
  };
  for (const auto& [step, text] : cases) {
    RecordingPlatform p;
    p.failStep = step;
    Game game(p, {});
    EXPECT_EQ(createGameWindow(game), 0) << step;
    EXPECT_EQ(p.calls.back(), std::string("message ERROR: ") + text) << step;
  }
}

TEST(GameWindow, TeardownReportsAFailureAndGoesOn) {
  RecordingPlatform p;
  p.window = p.dc = p.context = true;
  p.failStep = "releaseCurrent";
  Game game(p, {});
  destroyGameWindow(game);
  const Calls want{"releaseCurrent", "message SHUTDOWN ERROR: Release Of DC And RC Failed.", "deleteContext",
                   "releaseDc", "destroyWindow", "unregisterClass"};
  EXPECT_EQ(p.calls, want);
}

TEST(GameWindow, TeardownWithNothingCreatedOnlyUnregistersTheClass) {
  RecordingPlatform p;
  Game game(p, {});
  destroyGameWindow(game);
  EXPECT_EQ(p.calls, Calls{"unregisterClass"});
}

}  // namespace
}  // namespace gloam::shell
