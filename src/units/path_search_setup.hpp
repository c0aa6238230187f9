// beginPathSearch, the first of a search's three calls (then runPathSearch, then storePath).
#pragma once
#include "units/search_workspace.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units {

// Only units 0..ObstacleUnitCount-1 are ever marked as obstacles.
inline constexpr int ObstacleUnitCount = 10;

// Prepares a search on one level. The window side is kept within 3..GridSide so the workspace
// always covers it; start and goal are clamped into the window's interior, never refused.
void beginPathSearch(SearchWorkspace& ws, const UnitTable& units, world::GridPoint start, world::GridPoint goal,
                     int level, int windowSize);

}  // namespace gloam::units
