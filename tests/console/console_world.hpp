// A whole world for command tests: an empty grid, the PlayerUnit standing at (10, 20) on level 4,
// the ViewOrigin elsewhere, and a copy of the grid to tell which cells a command touched.
#pragma once
#include <cstring>
#include <vector>

#include "console/console_commands.hpp"
#include "console/fake_platform.hpp"

namespace gloam::console::testing {

struct ConsoleWorld {
  FakePlatform platform;
  world::DungeonGrid grid;
  units::UnitTable units;
  world::ViewOrigin viewOrigin{5, 6, 3};
  int screenSaverMode = 0;
  std::vector<std::uint8_t> before;

  ConsoleWorld() {
    world::allocateGrid(grid);
    units::allocateUnitTable(units);
    placePlayer(10, 20, 4);
  }
  void placePlayer(int x, int y, int z) {
    units[units::PlayerUnitIndex].cellX = static_cast<std::uint16_t>(x);
    units[units::PlayerUnitIndex].cellY = static_cast<std::uint16_t>(y);
    units[units::PlayerUnitIndex].level = static_cast<std::uint16_t>(z);
  }
  CommandTargets targets() { return {grid, units, viewOrigin, screenSaverMode, platform}; }
  void snapshot() { before.assign(grid.cells.get(), grid.cells.get() + GridBytes); }
  // Cells that differ from the snapshot, as grid indices.
  std::vector<std::size_t> changedCells() const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < before.size(); ++i)
      if (before[i] != grid.cells[i]) out.push_back(i);
    return out;
  }
};

}  // namespace gloam::console::testing
