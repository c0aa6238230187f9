// A whole world for console tests, as a test fixture: an empty grid, the PlayerUnit standing at
// (10, 20) on level 4, the ViewOrigin elsewhere, a console with its word buffers, a 320x240 screen
// to draw the prompt on, and a copy of the grid to tell which cells a command touched.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "console/console_commands.hpp"
#include "core/screen.hpp"
#include "draw/text.hpp"
#include "support/cells.hpp"
#include "support/fake_platform.hpp"

namespace gloam::testing {

class ConsoleWorld : public ::testing::Test {
 protected:
  FakePlatform platform;
  world::DungeonGrid grid = freshGrid();
  units::UnitTable units;
  world::ViewOrigin viewOrigin{5, 6, 3};
  int screenSaverMode = 0;
  console::ConsoleState console;
  Screen screen;
  draw::TextBuffer text;
  std::vector<std::uint8_t> before;

  ConsoleWorld() {
    units::allocateUnitTable(units);
    placePlayer(10, 20, 4);
    console::initConsole(console);
    setScreenMode(screen, 320, 240);
  }
  void placePlayer(int x, int y, int z) { units[units::PlayerUnitIndex] = unitAt(x, y, z); }
  const units::UnitRecord& player() const { return units[units::PlayerUnitIndex]; }
  console::CommandTargets targets() { return {grid, units, viewOrigin, screenSaverMode, platform}; }
  void snapshot() { before.assign(grid.cells.get(), grid.cells.get() + GridBytes); }
  // Cells that differ from the snapshot, as grid indices.
  std::vector<std::size_t> changedCells() const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < before.size(); ++i)
      if (before[i] != grid.cells[i]) out.push_back(i);
    return out;
  }
};

}  // namespace gloam::testing
