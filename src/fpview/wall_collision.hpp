// The cell probe around the PlayerUnit and the push that keeps the eye away from Wall faces.
// Plain arithmetic on the grid and the UnitRecord: no GL, so it is tested on its own.
#pragma once
#include <cstdint>

#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview {

// The code of the cell (cellX + floor(dx), cellY + floor(dy), level + floor(dz)); 0 outside the grid.
std::uint8_t cellCodeNearPlayer(const world::DungeonGrid& grid, const units::UnitRecord& player, float dx, float dy,
                                float dz);

// Twelve axis tests, then at most one diagonal push. Called with (1 - offsetX, offsetY,
// 1 - offsetZ): every test uses these passed values, while the pushes move the live offsets.
// Returns 1 when a diagonal push happened.
int resolveWallCollision(const world::DungeonGrid& grid, units::UnitRecord& player, float a, float b, float c);

}  // namespace gloam::fpview
