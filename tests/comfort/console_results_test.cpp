// The result line of every kind of command line, read against what the command did to the world,
// and the rule that a comfort command never pauses the loop.
#include <gtest/gtest.h>

#include <string>

#include "comfort/console_results.hpp"
#include "console/console_world.hpp"
#include "world/cell_codes.hpp"

namespace gloam::comfort {
namespace {

class ConsoleResults : public ::testing::Test {
 protected:
  console::testing::ConsoleWorld w;  // the player at (10, 20) on level 4 of an Empty grid
  console::ConsoleState console;

  void SetUp() override { console::initConsole(console); }
  CommandReport run(const std::string& line) { return runReportedCommand(console, line.c_str(), w.targets()); }
  const units::UnitRecord& player() const { return w.units[units::PlayerUnitIndex]; }
};

TEST_F(ConsoleResults, EveryLineIsAnsweredInTheConsolesOwnWords) {
  w.grid.setCell(100, 100, 2, cell::Wall);
  struct Case {
    const char* line;
    const char* result;
  };
  const Case cases[] = {
      {"env4teleport 101 101 2", "teleported to 101,101,2"},
      {"env4teleport 100 100 2", "blocked: Wall at 100,100,2"},
      {"ENV4TELEPORT 0 999 0", "teleported to 1,254,2"},  // the classic clamps, named as they landed
      {"env4teleport 5 5", "usage: env4teleport X Y Z"},
      {"foo", "no such command: foo"},
      {"", "nothing to run"},
      {"env4block", "cell 10,20,4 is now EnvBlock"},
      {"env4grass now", "cell 10,20,4 is now EnvGrass"},
      {"env4dirt", "cell 10,20,4 is now EnvDirt"},
      {"env4emptyx1", "cell 11,20,4 is now Empty"},
      {"env4emptyy1", "cell 10,21,4 is now Empty"},
      {"corner1", "cells 10,20,4 and 10,20,5 are now EnvCorner"},
      {"screensavertoggle", "screen saver on"},
      {"screensavertoggle", "screen saver off"},
  };
  for (const Case& c : cases) {
    w.placePlayer(10, 20, 4);
    EXPECT_STREQ(run(c.line).text.data(), c.result) << c.line;
  }
  EXPECT_EQ(w.platform.sleptMs(), 0);
}

TEST_F(ConsoleResults, ResultsDescribeTheWorldAfterTheCommand) {
  w.grid.setCell(100, 100, 2, cell::Wall);
  const CommandReport blocked = run("env4teleport 100 100 2");
  EXPECT_FALSE(blocked.teleported);
  EXPECT_EQ(player().cellX, 10);
  const CommandReport moved = run("env4teleport 101 101 2");
  EXPECT_TRUE(moved.teleported);
  EXPECT_EQ(player().cellX, 101);
  run("env4block");
  EXPECT_EQ(w.grid.cellAt(101, 101, 2), cell::EnvBlock);
  w.placePlayer(255, 20, 179);  // the last column and level: the neighbours lie off the grid
  EXPECT_STREQ(run("env4emptyx1").text.data(), "nothing changed: 256,20,179 is off the grid");
  EXPECT_STREQ(run("corner1").text.data(), "cell 255,20,179 is now EnvCorner");
}

TEST_F(ConsoleResults, EveryClassicCommandHasItsOwnReport) {
  for (const console::ConsoleCommand& command : console::commandTable()) {
    std::string line(command.name);
    if (command.requiredWords != console::AnyWordCount)
      for (int i = 1; i < command.requiredWords; ++i) line += " 3";
    w.placePlayer(10, 20, 4);
    const std::string result = run(line).text.data();
    EXPECT_EQ(result.find("ran"), std::string::npos) << line << ": " << result;
    EXPECT_EQ(result.find("no such"), std::string::npos) << line << ": " << result;
  }
}

}  // namespace
}  // namespace gloam::comfort
