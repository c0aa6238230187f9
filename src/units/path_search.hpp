// The path search of one unit, in three calls made in this order: beginPathSearch sets up the
// window, marks and start node; runPathSearch expands nodes until the goal is selected or the
// budget is spent; storePath copies the route found into the unit's PathTable share.
#pragma once
#include "units/path_context.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units {

// Only units 0..ObstacleUnitCount-1 are ever marked as obstacles.
inline constexpr int ObstacleUnitCount = 10;

// Returned by runPathSearch.
inline constexpr int SearchBudgetSpent = 0;
inline constexpr int SearchFoundGoal = 1;
inline constexpr int SearchStartEqualsGoal = 4;
inline constexpr int SearchNotReady = 5;

// Prepares a search on one level. The window side is kept within 3..GridSide so the workspace
// always covers it; start and goal are clamped into the window's interior, never refused.
void beginPathSearch(PathContext& ctx, const UnitTable& units, int startX, int startY, int goalX, int goalY,
                     int level, int windowSize);

// Expands at most `budget` nodes (fewer if the node limit of the window binds). A further call
// continues an unfinished search.
int runPathSearch(PathContext& ctx, const world::DungeonGrid& grid, int budget);

// Entries of the route that ends at currentNode: every node up to, not including, the start.
int routeLength(const PathContext& ctx);

// Writes the route ending at currentNode into the unit's entries, destination first, and points
// pathCursor at the first step. A route longer than PathStepsPerUnit does not fit the unit's
// share; it is refused as if no route had been found: nothing is written, pathLength becomes 0,
// pathCursor NoPath, and the result is 0. Otherwise the result is 1.
int storePath(PathContext& ctx, int unit);

}  // namespace gloam::units
