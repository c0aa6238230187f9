// The first look of the first-person view: level, not down at the floor, and along the longest
// straight run of open cells from the PlayerUnit's cell, so a new game opens looking down a
// corridor or across a room instead of at a wall.
#pragma once
#include "fpview/first_person_state.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::comfort {

// A pitch of -90 degrees looks at the horizon; 0 looks straight down.
inline constexpr float LevelPitch = -90.0f;

// The four directions a first look may take, with the yaw that walks and looks along each. A
// forward step at yaw a moves the eye by (sin a, -cos a) cells.
struct LookDirection {
  int dx;
  int dy;
  float yaw;
};
inline constexpr LookDirection LookDirections[] = {{0, -1, 0.0f}, {1, 0, 90.0f}, {0, 1, 180.0f}, {-1, 0, 270.0f}};

// Cells that are not Wall in a straight line from (x, y) on level z, the start cell excluded,
// up to the first Wall or the edge of the grid.
int openRunLength(const world::DungeonGrid& grid, int x, int y, int z, int dx, int dy);

// The direction with the longest open run from the PlayerUnit's cell; the first in the table on
// a tie.
const LookDirection& longestOpenDirection(const world::DungeonGrid& grid, const units::UnitRecord& player);

// Sets the view angles for the first look.
void applyFirstLook(fpview::FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player);

}  // namespace gloam::comfort
