// Allocation and release of the DungeonGrid.
#include "world/dungeon_grid.hpp"

namespace gloam::world {

void allocateGrid(DungeonGrid& grid) {
  grid.cells = std::make_unique<std::uint8_t[]>(GridBytes);  // value-initialised: all Empty
}

void releaseGrid(DungeonGrid& grid) { grid.cells.reset(); }

}  // namespace gloam::world
