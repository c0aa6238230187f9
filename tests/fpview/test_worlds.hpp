// Small hand-built worlds for the first-person tests: solid Wall around a carved space, so every
// face the view draws is known in advance.
#pragma once
#include "core/rng.hpp"
#include "units/unit_table.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview::testing {

// Fills the box [x0, x1] x [y0, y1] x [z0, z1] with one code.
inline void fillBox(world::DungeonGrid& g, int x0, int y0, int z0, int x1, int y1, int z1, std::uint8_t code) {
  for (int z = z0; z <= z1; ++z)
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) g.setCell(x, y, z, code);
}

// Solid rock around (100, 100) on levels 0..16, deeper than a block around level 2 reaches, so
// the rock has no outer faces in view; on level 2 a corridor one cell wide in column 100, rows
// firstRow..lastRow, open (Floor) inside.
inline void buildCorridor(world::DungeonGrid& g, int firstRow, int lastRow) {
  world::allocateGrid(g);
  fillBox(g, 70, 70, 0, 130, 130, 16, cell::Wall);
  fillBox(g, 100, firstRow, 2, 100, lastRow, 2, cell::Floor);
}

// An 11x11 open room (columns and rows 95..105) on level 2 with rock all round and below.
inline void buildRoom(world::DungeonGrid& g) {
  world::allocateGrid(g);
  fillBox(g, 90, 90, 1, 110, 110, 3, cell::Wall);
  fillBox(g, 95, 95, 2, 105, 105, 2, cell::Floor);
}

// The PlayerUnit in the middle of the cell (x, y, z), standing still.
inline units::UnitRecord playerAt(int x, int y, int z) {
  units::UnitRecord p{};
  p.inUse = 1;
  p.cellX = static_cast<std::uint16_t>(x);
  p.cellY = static_cast<std::uint16_t>(y);
  p.level = static_cast<std::uint16_t>(z);
  p.offsetX = p.offsetY = 0.5f;
  p.offsetZ = 0.54f;
  return p;
}

// Rock on levels 0..16 around (100, 100) with open cells scattered over the even levels 2..14
// (about one in three), so every face orientation shows at many depths: a stress picture.
inline void buildCaves(world::DungeonGrid& g, std::uint32_t seed) {
  world::allocateGrid(g);
  fillBox(g, 70, 70, 0, 130, 130, 16, cell::Wall);
  Rng rng;
  rng.seed(seed);
  for (int z = 2; z <= 14; z += 2)
    for (int y = 71; y < 130; ++y)
      for (int x = 71; x < 130; ++x)
        if (rng.below(3) == 0) g.setCell(x, y, z, cell::Floor);
  fillBox(g, 99, 99, 2, 101, 101, 2, cell::Floor);  // room for the eye
}

}  // namespace gloam::fpview::testing
