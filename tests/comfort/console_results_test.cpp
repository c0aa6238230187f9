// The result line of every kind of command line, read against what the command did to the world,
// and the rule that a comfort command never pauses the loop.
#include <gtest/gtest.h>

#include <string>

#include "comfort/console_results.hpp"
#include "console/console_world.hpp"
#include "world/cell_codes.hpp"

namespace gloam::comfort {
namespace {

TEST(ConsoleResults, EveryLineIsAnsweredInTheConsolesOwnWordsAboutTheWorldAfterIt) {
  console::testing::ConsoleWorld w;  // an Empty grid
  console::ConsoleState console;
  console::initConsole(console);
  w.grid.setCell(100, 100, 2, cell::Wall);
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
  const units::UnitRecord& player = w.units[units::PlayerUnitIndex];
  for (const Case& c : cases) {
    w.placePlayer(c.x, c.y, c.z);
    const CommandReport report = runReportedCommand(console, c.line, w.targets());
    EXPECT_STREQ(report.text.data(), c.result) << c.line;
    EXPECT_EQ(report.teleported, c.teleported) << c.line;
    if (!c.teleported) {
      EXPECT_EQ(player.cellX, c.x) << c.line;
    }
  }
  EXPECT_EQ(w.grid.cellAt(101, 101, 2), cell::EnvBlock);
  EXPECT_EQ(w.platform.sleptMs(), 0);
}

}  // namespace
}  // namespace gloam::comfort
