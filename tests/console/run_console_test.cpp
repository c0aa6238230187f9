// The per-frame console step: Tab, the hidden console, submitting and re-submitting, and the
// exact pause totals a sequence of frames costs.
#include <gtest/gtest.h>

#include "console/console_world.hpp"
#include "console/run_console.hpp"
#include "platform/keys.hpp"
#include "world/cell_codes.hpp"

namespace gloam::console {
namespace {

class RunConsole : public ::testing::Test {
 protected:
  testing::ConsoleWorld w;
  Screen screen;
  draw::TextBuffer text;
  ConsoleState console;
  int frame = 0;

  void SetUp() override {
    setScreenMode(screen, 320, 240);
    initConsole(console);
  }
  void TearDown() override { freeConsole(console); }
  void step(std::set<int> keys) {
    w.platform.held = std::move(keys);
    runConsole(console, screen, text, frame++, {w.grid, w.units, w.viewOrigin, w.screenSaverMode, w.platform});
  }
  void typeLine(const char* upperCase) {
    for (const char* c = upperCase; *c; ++c)
      step({*c == ' ' ? vk::Space : (*c >= '0' && *c <= '9') ? vk::digit(*c - '0') : vk::letter(*c)});
  }
};

TEST_F(RunConsole, HiddenConsoleIgnoresKeysAndEnter) {
  step({vk::letter('A'), vk::Enter, vk::Backspace});
  EXPECT_EQ(console.CommandLength, 0);
  EXPECT_EQ(console.CommandSubmitted, 0);
  EXPECT_TRUE(w.platform.sleeps.empty());
  EXPECT_STREQ(text.text, "");
}

TEST_F(RunConsole, TabTogglesEveryFrameItIsHeldAndTypesInTheSameFrame) {
  step({vk::Tab, vk::letter('A')});
  EXPECT_EQ(console.ConsoleVisible, 1);
  EXPECT_STREQ(console.CommandLine, "a");
  EXPECT_STREQ(text.text, "CMD:a_");
  step({vk::Tab, vk::letter('B')});
  EXPECT_EQ(console.ConsoleVisible, 0);
  EXPECT_STREQ(console.CommandLine, "a");
  EXPECT_EQ(w.platform.sleeps, (std::vector<int>{400, 120, 400}));
}

TEST_F(RunConsole, EnterTwiceRunsTheKeptLineTwice) {
  step({vk::Tab});
  typeLine("SCREENSAVERTOGGLE");
  step({vk::Enter});
  EXPECT_EQ(w.screenSaverMode, 1);
  step({vk::Enter});
  EXPECT_EQ(w.screenSaverMode, 0);
  EXPECT_STREQ(console.CommandLine, "screensavertoggle");
  EXPECT_EQ(w.platform.sleptMs(), 400 + 17 * 120 + 2 * (500 + 400));
}

TEST_F(RunConsole, ATypedLineStopsAtThirtyCharacters) {
  step({vk::Tab});
  for (int i = 0; i < 40; ++i) step({vk::digit(i % 10)});
  EXPECT_EQ(console.CommandLength, ConsoleLineMaxLength);
  EXPECT_EQ(w.platform.sleptMs(), 400 + ConsoleLineMaxLength * 120);
}

}  // namespace
}  // namespace gloam::console
