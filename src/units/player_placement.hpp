// Puts the PlayerUnit on a random non-Wall cell of the first dungeon level at start-up, and
// centres it inside its cell once the art is loaded.
#pragma once
#include "core/rng.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units {

inline constexpr int PlayerStartLevel = 2;
inline constexpr int PlacementTries = 1000;
inline constexpr int PlayerSpriteSlot = 849;  // unit_mage
inline constexpr float PlayerHitPoints = 24.0f;
inline constexpr float CellCentre = 0.5f;

// Up to PlacementTries random cells, column then row each drawn as rnd(254) + 1. Returns 1 when
// the PlayerUnit was placed; after 0 its slot is left as it was.
int placePlayerUnit(UnitTable& units, const world::DungeonGrid& grid, Rng& rng);

// The PlayerUnit's offsets inside its cell become 0.5 on all three axes.
void centrePlayerOffsets(UnitTable& units);

}  // namespace gloam::units
