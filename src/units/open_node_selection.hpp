// The choice of the next node to expand: the open node of lowest cost, the newest among equal
// costs, never one dearer than SelectionCostBound, and lastNode when nothing qualifies.
// A binary heap gives that node without scanning every listed node on each expansion.
#pragma once
#include "units/path_context.hpp"

namespace gloam::units {

// 2 x W x W: an open node above this cost is never selected.
inline constexpr float SelectionCostBound = 2.0f * GridSide * GridSide;

// Empties the heap; called by every search set-up.
void resetOpenNodes(PathContext& ctx);

// Makes a freshly added open node a candidate.
void pushOpenNode(PathContext& ctx, int node);

// Returns the selected node and leaves bestCost, bestNode and firstOpen as a scan of nodes
// firstOpen..lastNode would leave them. The selected node leaves the heap: it is about to be
// expanded and closed.
int selectNextNode(PathContext& ctx);

}  // namespace gloam::units
