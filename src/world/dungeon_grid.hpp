// The DungeonGrid: 180 levels of 256 x 256 one-byte cells, level-major then row-major, and the
// ViewOrigin. Callers keep coordinates inside the grid; only cellCodeAtOrZero checks them.
#pragma once
#include <cstdint>
#include <memory>

#include "core/constants.hpp"

namespace gloam::world {

struct DungeonGrid {
  std::unique_ptr<std::uint8_t[]> cells;  // GridBytes bytes once allocated

  static constexpr std::size_t indexOf(int x, int y, int z) {
    return static_cast<std::size_t>(z) * LevelSize + static_cast<std::size_t>(y) * GridSide + x;
  }
  std::uint8_t cellAt(int x, int y, int z) const { return cells[indexOf(x, y, z)]; }
  void setCell(int x, int y, int z, std::uint8_t code) { cells[indexOf(x, y, z)] = code; }
  std::uint8_t* level(int z) { return cells.get() + static_cast<std::size_t>(z) * LevelSize; }
  const std::uint8_t* level(int z) const { return cells.get() + static_cast<std::size_t>(z) * LevelSize; }
  bool allocated() const { return cells != nullptr; }
};

// Allocates the whole grid and sets every cell to Empty.
void allocateGrid(DungeonGrid& grid);

// Frees the cells if they exist and leaves the grid empty.
void releaseGrid(DungeonGrid& grid);

// The checked probe: 0 for any cell outside the grid.
inline std::uint8_t cellCodeAtOrZero(const DungeonGrid& grid, int x, int y, int z) {
  if (x < 0 || y < 0 || z < 0 || x >= GridSide || y >= GridSide || z >= LevelCount) return 0;
  return grid.cellAt(x, y, z);
}

// A column and row of one level.
struct GridPoint {
  int x = 0;
  int y = 0;
};

// The cells from (x0, y0) to (x1, y1) of one level, both corners included; a rectangle with
// x0 > x1 or y0 > y1 holds no cell.
struct GridRect {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
};

// The first column, first row and level the views show.
struct ViewOrigin {
  int sx = 0;
  int sy = 0;
  int sz = 0;
};

}  // namespace gloam::world
