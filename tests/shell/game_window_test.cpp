// Window creation and teardown: what is torn down before a failure is reported, the texts of the
// reports, and their order.
#include <gtest/gtest.h>

#include "shell/game_window.hpp"
#include "support/fake_platform.hpp"

namespace gloam::shell {
namespace {

using gloam::testing::FakePlatform;
using platform::CloseStep;
using platform::OpenStep;
using Calls = std::vector<std::string>;

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

}  // namespace
}  // namespace gloam::shell
