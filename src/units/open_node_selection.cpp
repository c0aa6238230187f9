// Selection from the four-way min-heap of open nodes, with lazy removal of nodes closed while
// still inside it (an unselectable lastNode may be expanded without leaving the heap). Also
// keeps firstOpen by a cursor that only moves forward.
#include "units/open_node_selection.hpp"

namespace gloam::units {

namespace {

int nodeOf(std::uint64_t key) { return static_cast<int>(~static_cast<std::uint32_t>(key)); }
float costOf(std::uint64_t key) { return std::bit_cast<float>(static_cast<std::uint32_t>(key >> 32)); }

void siftUp(std::uint64_t* heap, int at) {
  const std::uint64_t moving = heap[at];
  while (at > 0) {
    const int parent = (at - 1) / OpenHeapArity;
    if (heap[parent] <= moving) break;
    heap[at] = heap[parent];
    at = parent;
  }
  heap[at] = moving;
}

// Removes the top: the hole left there sinks along the lesser children all the way to a leaf,
// and the last entry fills it from below. The sinking needs no comparison with the moved entry,
// which usually belongs near the bottom anyway.
void popTop(PathContext& ctx) {
  std::uint64_t* heap = ctx.openHeap.get();
  const int count = --ctx.openCount;
  int at = 0;
  for (;;) {
    const int first = OpenHeapArity * at + 1;
    if (first >= count) break;
    const int end = first + OpenHeapArity < count ? first + OpenHeapArity : count;
    int least = first;
    for (int c = first + 1; c < end; ++c) least = heap[c] < heap[least] ? c : least;
    heap[at] = heap[least];
    at = least;
  }
  heap[at] = heap[count];
  siftUp(heap, at);
}

// Nodes only ever go from open to closed, and new nodes are appended open, so the lowest open
// index never decreases and one forward cursor finds it in amortised constant time.
void advanceFirstOpen(PathContext& ctx) {
  while (ctx.openScan <= ctx.lastNode && ctx.nodeState[ctx.openScan] == NodeClosed) ++ctx.openScan;
  if (ctx.openScan <= ctx.lastNode) ctx.firstOpen = ctx.openScan;
}

}  // namespace

void resetOpenNodes(PathContext& ctx) {
  ctx.openCount = 0;
  ctx.openScan = 0;
}

int selectNextNode(PathContext& ctx) {
  while (ctx.openCount > 0 && ctx.nodeState[nodeOf(ctx.openHeap[0])] == NodeClosed) popTop(ctx);
  ctx.bestCost = SelectionCostBound;
  ctx.bestNode = ctx.lastNode;
  if (ctx.openCount > 0 && costOf(ctx.openHeap[0]) <= SelectionCostBound) {
    ctx.bestCost = costOf(ctx.openHeap[0]);
    ctx.bestNode = nodeOf(ctx.openHeap[0]);
    popTop(ctx);
  }
  advanceFirstOpen(ctx);
  return ctx.bestNode;
}

}  // namespace gloam::units
