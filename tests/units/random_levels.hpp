// Random levels for comparing the path search against its literal reference: cell mixes drawn
// from weighted palettes, and a serpentine corridor (of hills, its route cost climbs past the
// selection bound). Shared by the tests and the path benchmark.
#pragma once
#include <cstring>
#include <vector>

#include "core/rng.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units::testing {

struct WeightedCode {
  cell::Code code;
  int weight;
};

// Every cell of the level drawn from the palette.
inline void paintMix(world::DungeonGrid& grid, int level, const std::vector<WeightedCode>& palette, Rng& rng) {
  int total = 0;
  for (const WeightedCode& p : palette) total += p.weight;
  std::uint8_t* cells = grid.level(level);
  for (int i = 0; i < LevelSize; ++i) {
    int pick = rng.below(total);
    std::size_t k = 0;
    while (pick >= palette[k].weight) pick -= palette[k++].weight;
    cells[i] = palette[k].code;
  }
}

// Overworld terrain of every price, some of it impassable.
inline const std::vector<WeightedCode> OverworldMix = {
    {cell::LandPlain, 6},      {cell::LandForest, 3},       {cell::LandForestFruit, 2},
    {cell::LandForestGray, 2}, {cell::LandWater, 2},        {cell::LandWaterDeep, 1},
    {cell::LandSwamp, 2},      {cell::LandDesert, 2},       {cell::LandHills, 3},
    {cell::LandMountain, 1},   {cell::LandMountainHigh, 1}, {cell::LandForestLeaf, 2},
    {cell::LandRoad, 3},       {cell::VillageB, 1},         {cell::Trap, 1},
};

// Dungeon codes with doors, stairs, traps, unnamed and solid codes among the floor.
inline const std::vector<WeightedCode> DungeonMix = {
    {cell::Floor, 30},    {cell::Wall, 12}, {cell::Door, 3},     {cell::StairsDown, 1}, {cell::Trap, 2},
    {cell::Empty, 2},     {5, 1},           {cell::Chest, 1},    {cell::LandRoad, 2},   {cell::LandPlain, 3},
    {cell::LandHills, 2}, {200, 1},         {cell::EnvGrass, 1},
};

// One corridor of `code` winding through Wall over the whole level, some 32,000 cells long. Of
// hills, past about 350 cells its nodes cost more than the selection bound, so the search goes on
// only through the newest node.
inline void paintSerpentine(world::DungeonGrid& grid, int level, cell::Code code) {
  std::memset(grid.level(level), cell::Wall, LevelSize);
  for (int row = 1; row <= 253; row += 2) {
    for (int x = 1; x <= 254; ++x) grid.setCell(x, row, level, code);
    grid.setCell(row % 4 == 1 ? 254 : 1, row + 1, level, code);
  }
}

}  // namespace gloam::units::testing
