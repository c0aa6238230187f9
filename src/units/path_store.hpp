// storePath, the last of a search's three calls: the route found goes into the PathTable.
#pragma once
#include "units/path_table.hpp"
#include "units/search_workspace.hpp"

namespace gloam::units {

// Entries of the route that ends at currentNode: every node up to, not including, the start.
int routeLength(const SearchWorkspace& ws);

// Writes the route ending at currentNode into the unit's entries, destination first, and points
// pathCursor at the first step. A route longer than PathStepsPerUnit does not fit the unit's
// share; it is refused as if no route had been found: nothing is written, pathLength becomes 0,
// pathCursor NoPath, and the result is 0. Otherwise the result is 1.
int storePath(const SearchWorkspace& ws, PathTable& table, int unit);

}  // namespace gloam::units
