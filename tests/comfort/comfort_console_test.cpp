// The comfort console fed with key presses, and the result line of every kind of command line, read
// against what the command did to the world. A comfort command never pauses the loop.
#include <gtest/gtest.h>

#include <string>

#include "comfort/comfort_console.hpp"
#include "comfort/console_results.hpp"
#include "platform/keys.hpp"
#include "support/console_world.hpp"
#include "world/cell_codes.hpp"

namespace gloam::comfort {
namespace {

class ComfortConsoleTest : public testing::ConsoleWorld {
 protected:
  ComfortConsole comfort;

  // Queues the keys of `typed` (upper-case letters with Shift) and runs one console step.
  bool type(const std::string& typed) {
    for (const char ch : typed) {
      if (ch >= 'a' && ch <= 'z')
        press(vk::KeyA + (ch - 'a'));
      else if (ch >= 'A' && ch <= 'Z')
        press(vk::KeyA + (ch - 'A'), true);
      else
        press(ch);  // space and digits are their own virtual keys
    }
    return step();
  }
  void press(int key, bool shift = false) { queueKeyPress(comfort, {key, shift}); }
  bool step() { return runComfortConsole(comfort, console, targets(), 60); }
  std::string line() const { return console.CommandLine; }
  std::string result() const { return comfort.lastReport.text.data(); }
  void open() {
    press(vk::Tab);
    step();
  }
};

TEST_F(ComfortConsoleTest, PressesTypeInOrderOnlyWhileShown) {
  type("abc");
  EXPECT_EQ(line(), "");  // hidden: typing does nothing
  open();
  EXPECT_EQ(console.ConsoleVisible, 1);
  type("Env4 Tele");
  for (const int key : {vk::NumpadAdd, vk::Shift, vk::F1, 186, 189, 191}) press(key);  // no character: ; - /
  step();
  EXPECT_EQ(line(), "Env4 Tele");
  press(vk::Backspace);
  press(vk::Backspace);
  type("x");
  EXPECT_EQ(line(), "Env4 Tex");
  type(std::string(40, 'z'));
  EXPECT_EQ(console.CommandLength, 30);  // the classic cap
  press(vk::Tab);
  step();
  EXPECT_EQ(console.ConsoleVisible, 0);
}

TEST_F(ComfortConsoleTest, EnterRunsClearsAndShowsTheResultForThreeSeconds) {
  open();
  EXPECT_TRUE(type("env4teleport 101 101 2\r"));
  EXPECT_EQ(line(), "");
  EXPECT_EQ(result(), "teleported to 101,101,2");
  EXPECT_EQ(platform.sleptMs(), 0);
  int shown = 0;
  while (comfort.resultPassesLeft > 0 && shown < 1000) {
    ++shown;
    step();
  }
  EXPECT_EQ(shown, 180);  // 3 s at 60 passes a second, counting the pass of the Enter
  EXPECT_FALSE(type("foo\r"));
  EXPECT_EQ(result(), "no such command: foo");
}

TEST_F(ComfortConsoleTest, UpAndDownRecallTheLastSixteenLines) {
  open();
  for (int i = 0; i < 20; ++i) type("env4dirt " + std::to_string(i) + "\r");
  type("env4dirt 19\r");  // a repeat of the newest line is kept once
  for (int i = 0; i < 3; ++i) press(vk::Up);
  step();
  EXPECT_EQ(line(), "env4dirt 17");
  for (int i = 0; i < 30; ++i) press(vk::Up);
  step();
  EXPECT_EQ(line(), "env4dirt 4");  // the oldest of sixteen
  press(vk::Down);
  step();
  EXPECT_EQ(line(), "env4dirt 5");
  for (int i = 0; i < 30; ++i) press(vk::Down);
  step();
  EXPECT_EQ(line(), "");
}

using ConsoleResults = testing::ConsoleWorld;  // an Empty grid

TEST_F(ConsoleResults, EveryLineIsAnsweredInTheConsolesOwnWordsAboutTheWorldAfterIt) {
  grid.setCell(100, 100, 2, cell::Wall);
  struct Case {
    const char* line;
    const char* result;
    bool teleported = false;
    int x = 10, y = 20, z = 4;  // where the player stands before the line
  };
  const Case cases[] = {
      {"env4teleport 100 100 2", "blocked: Wall at 100,100,2"},
      {"env4teleport 101 101 2", "teleported to 101,101,2", true},
      {"env4block", "cell 101,101,2 is now EnvBlock", false, 101, 101, 2},
      {"ENV4TELEPORT 0 999 0", "teleported to 1,254,2", true},  // the classic clamps, named as they landed
      {"env4teleport 5 5", "usage: env4teleport X Y Z"},
      {"foo", "no such command: foo"},
      {"", "nothing to run"},
      {"env4grass now", "cell 10,20,4 is now EnvGrass"},
      {"env4dirt", "cell 10,20,4 is now EnvDirt"},
      {"env4emptyx1", "cell 11,20,4 is now Empty"},
      {"env4emptyy1", "cell 10,21,4 is now Empty"},
      {"corner1", "cells 10,20,4 and 10,20,5 are now EnvCorner"},
      {"screensavertoggle", "screen saver on"},
      {"screensavertoggle", "screen saver off"},
      // The last column and level: the neighbours lie off the grid.
      {"env4emptyx1", "nothing changed: 256,20,179 is off the grid", false, 255, 20, 179},
      {"corner1", "cell 255,20,179 is now EnvCorner", false, 255, 20, 179},
  };
  for (const Case& c : cases) {
    placePlayer(c.x, c.y, c.z);
    const CommandReport report = runReportedCommand(console, c.line, targets());
    EXPECT_STREQ(report.text.data(), c.result) << c.line;
    EXPECT_EQ(report.teleported, c.teleported) << c.line;
    if (!c.teleported) {
      EXPECT_EQ(player().cellX, c.x) << c.line;
    }
  }
  EXPECT_EQ(grid.cellAt(101, 101, 2), cell::EnvBlock);
  EXPECT_EQ(platform.sleptMs(), 0);
}

}  // namespace
}  // namespace gloam::comfort
