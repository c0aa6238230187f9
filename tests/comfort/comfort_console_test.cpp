// The comfort console fed with key presses: characters in the order typed, the classic character
// set and cap, Tab, Enter's clearing and result line, the result's lifetime in passes, and recall.
#include <gtest/gtest.h>

#include <string>

#include "comfort/comfort_console.hpp"
#include "console/console_world.hpp"
#include "platform/keys.hpp"

namespace gloam::comfort {
namespace {

class ComfortConsoleTest : public ::testing::Test {
 protected:
  console::testing::ConsoleWorld w;
  console::ConsoleState console;
  ComfortConsole comfort;

  void SetUp() override { console::initConsole(console); }
  // Queues the keys of `text` (upper-case letters with Shift) and runs one console step.
  bool type(const std::string& text) {
    for (const char ch : text) {
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
  bool step() { return runComfortConsole(comfort, console, w.targets(), 60); }
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
  EXPECT_EQ(w.platform.sleptMs(), 0);
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

}  // namespace
}  // namespace gloam::comfort
