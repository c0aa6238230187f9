// rectDiffers and fillArea. The test stops at the first mismatch, which is what keeps the
// generator's thousands of rejected room attempts cheap.
#include "world/grid_rectangles.hpp"

#include <algorithm>
#include <cstring>

#include "world/cell_codes.hpp"

namespace gloam::world {
namespace {

bool insideGrid(int x, int y, int z) {
  return x >= 0 && y >= 0 && z >= 0 && x < GridSide && y < GridSide && z < LevelCount;
}

}  // namespace

int rectDiffers(const DungeonGrid& grid, GridRect rect, int level, std::uint8_t code) {
  for (int y = rect.y0; y <= rect.y1; ++y) {
    for (int x = rect.x0; x <= rect.x1; ++x) {
      if (!insideGrid(x, y, level) || grid.cellAt(x, y, level) != code) return 1;
    }
  }
  return 0;
}

int fillArea(DungeonGrid& grid, GridRect rect, int level, std::uint8_t code) {
  if (rectDiffers(grid, rect, level, cell::Empty) == 1) return 1;
  // A rectangle that passed the test lies inside the grid or holds no cell; the clip only
  // keeps the row writes honest for the latter.
  const int left = std::max(rect.x0, 0);
  const int right = std::min(rect.x1, GridSide - 1);
  for (int y = std::max(rect.y0, 0); y <= std::min(rect.y1, GridSide - 1) && left <= right; ++y) {
    std::memset(&grid.cells[DungeonGrid::indexOf(left, y, level)], code, static_cast<std::size_t>(right - left) + 1);
  }
  return 0;
}

}  // namespace gloam::world
