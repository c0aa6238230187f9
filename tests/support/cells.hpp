// Hand-built worlds for tests: a fresh grid and generator tables, boxes of one cell code, cell
// counts, and units standing in a cell.
#pragma once
#include <cstdint>

#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"
#include "world/generator_tables.hpp"

namespace gloam::testing {

inline world::DungeonGrid freshGrid() {
  world::DungeonGrid grid;
  world::allocateGrid(grid);
  return grid;
}

inline world::GeneratorTables freshTables() {
  world::GeneratorTables tables;
  world::allocateGeneratorTables(tables);
  return tables;
}

// Fills the box [x0, x1] x [y0, y1] x [z0, z1] with one code.
inline void fillBox(world::DungeonGrid& g, int x0, int y0, int z0, int x1, int y1, int z1, std::uint8_t code) {
  for (int z = z0; z <= z1; ++z)
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) g.setCell(x, y, z, code);
}

inline int countOnLevel(const world::DungeonGrid& grid, int level, std::uint8_t code) {
  int count = 0;
  const std::uint8_t* cells = grid.level(level);
  for (int i = 0; i < LevelSize; ++i) count += cells[i] == code;
  return count;
}

// A unit in use in the cell (x, y, z), every other field zero.
inline units::UnitRecord unitAt(int x, int y, int z) {
  units::UnitRecord u{};
  u.inUse = 1;
  u.cellX = static_cast<std::uint16_t>(x);
  u.cellY = static_cast<std::uint16_t>(y);
  u.level = static_cast<std::uint16_t>(z);
  return u;
}

}  // namespace gloam::testing
