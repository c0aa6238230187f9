// The choice of the next node to expand: the open node of lowest cost, the newest among equal
// costs, never one dearer than SelectionCostBound, and lastNode when nothing qualifies.
// A heap gives that node without scanning every listed node on each expansion.
#pragma once
#include <bit>
#include <cstdint>

#include "units/search_workspace.hpp"

namespace gloam::units {

// 2 x W x W: an open node above this cost is never selected.
inline constexpr float SelectionCostBound = 2.0f * GridSide * GridSide;

// Empties the heap; called by every search set-up.
void resetOpenNodes(SearchWorkspace& ws);

inline constexpr int OpenHeapArity = 4;  // shallower than a binary heap; siblings share a cache line

// Node costs are positive floats, whose bit patterns order like the values, so one integer
// comparison orders by cost and, through the inverted index below it, the newest node first
// among equal costs: the node a scan keeping the last cost <= best would find.
inline std::uint64_t openKey(float cost, int node) {
  return (static_cast<std::uint64_t>(std::bit_cast<std::uint32_t>(cost)) << 32) |
         static_cast<std::uint32_t>(~static_cast<std::uint32_t>(node));
}

// Makes a freshly added open node a candidate. Inline: the expansion loop calls it per node.
inline void pushOpenNode(std::uint64_t* heap, std::int32_t& count, float cost, int node) {
  const std::uint64_t moving = openKey(cost, node);
  int at = count++;
  while (at > 0) {
    const int parent = (at - 1) / OpenHeapArity;
    if (heap[parent] <= moving) break;
    heap[at] = heap[parent];
    at = parent;
  }
  heap[at] = moving;
}

inline void pushOpenNode(SearchWorkspace& ws, int node) {
  pushOpenNode(ws.openHeap.get(), ws.openCount, ws.nodeCost[node], node);
}

// Returns the selected node and leaves bestCost, bestNode and firstOpen as a scan of nodes
// firstOpen..lastNode would leave them. The selected node leaves the heap: it is about to be
// expanded and closed.
int selectNextNode(SearchWorkspace& ws);

}  // namespace gloam::units
