// The sample overworld: one level of 256 x 256 CellCodes, row-major (byte y * 256 + x is column x,
// row y), built from seeded noise so that every run gives the same bytes.
#pragma once
#include <cstdint>
#include <vector>

#include "core/rng.hpp"

namespace gloam::makeart {

using OverworldCells = std::vector<std::uint8_t>;  // LevelSize bytes

// Terrain only: seas, lakes, plains, forests, swamp, desert, hills and mountains.
OverworldCells makeOverworldTerrain(Rng& rng);

// Villages, castles, ruins, grottoes, mines and wells on the terrain, joined by roads.
void placeSitesAndRoads(OverworldCells& cells, Rng& rng);

// Both, from the tool's fixed seed.
OverworldCells makeOverworldMap();

}  // namespace gloam::makeart
