// Rectangle tests and fills on one level of the DungeonGrid, as the generator uses them.
#pragma once
#include <cstdint>

#include "world/dungeon_grid.hpp"

namespace gloam::world {

// 1 at the first cell (row by row, left to right) that lies outside the grid or does not hold
// `code`; 0 when every cell matches, and for a rectangle without cells.
int rectDiffers(const DungeonGrid& grid, GridRect rect, int level, std::uint8_t code);

// 1 and no change when the rectangle is not all Empty inside the grid; otherwise sets each of its
// cells to `code` and returns 0.
int fillArea(DungeonGrid& grid, GridRect rect, int level, std::uint8_t code);

}  // namespace gloam::world
