// runPathSearch, the second of a search's three calls: the expansion loop.
#pragma once
#include "units/search_workspace.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units {

// Expands at most `budget` nodes (fewer if the node limit of the window binds). A further call
// continues an unfinished search. Returns NotReady, NoSearchNeeded, GoalReached or NotFound.
SearchCode runPathSearch(SearchWorkspace& ws, const world::DungeonGrid& grid, int budget);

}  // namespace gloam::units
