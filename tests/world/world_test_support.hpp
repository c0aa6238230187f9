// Helpers shared by the world tests: a freshly allocated grid and tables, cell counting.
#pragma once
#include <cstdint>

#include "world/dungeon_grid.hpp"
#include "world/generator_tables.hpp"

namespace gloam::world::testing {

inline DungeonGrid freshGrid() {
  DungeonGrid grid;
  allocateGrid(grid);
  return grid;
}

inline GeneratorTables freshTables() {
  GeneratorTables tables;
  allocateGeneratorTables(tables);
  return tables;
}

inline int countOnLevel(const DungeonGrid& grid, int level, std::uint8_t code) {
  int count = 0;
  const std::uint8_t* cells = grid.level(level);
  for (int i = 0; i < LevelSize; ++i) count += cells[i] == code;
  return count;
}

}  // namespace gloam::world::testing
