// A binary min-heap of open nodes keyed on (cost, newest first), with lazy removal of nodes that
// were closed while still inside it (an unselectable lastNode may be expanded without leaving
// the heap). Also keeps firstOpen by a cursor that only moves forward.
#include "units/open_node_selection.hpp"

namespace gloam::units {

namespace {

// True when a is expanded before b: lower cost first, and among equal costs the higher index,
// which is what a scan keeping the last node with cost <= best finds.
inline bool before(const OpenEntry& a, const OpenEntry& b) {
  return a.cost < b.cost || (a.cost == b.cost && a.node > b.node);
}

void siftUp(OpenEntry* heap, int at) {
  const OpenEntry moving = heap[at];
  while (at > 0) {
    const int parent = (at - 1) / 2;
    if (!before(moving, heap[parent])) break;
    heap[at] = heap[parent];
    at = parent;
  }
  heap[at] = moving;
}

void siftDown(OpenEntry* heap, int count, int at) {
  const OpenEntry moving = heap[at];
  for (;;) {
    int child = 2 * at + 1;
    if (child >= count) break;
    if (child + 1 < count && before(heap[child + 1], heap[child])) ++child;
    if (!before(heap[child], moving)) break;
    heap[at] = heap[child];
    at = child;
  }
  heap[at] = moving;
}

void popTop(PathContext& ctx) {
  OpenEntry* heap = ctx.openHeap.get();
  heap[0] = heap[--ctx.openCount];
  if (ctx.openCount > 0) siftDown(heap, ctx.openCount, 0);
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

void pushOpenNode(PathContext& ctx, int node) {
  ctx.openHeap[ctx.openCount] = OpenEntry{ctx.nodeCost[node], node};
  siftUp(ctx.openHeap.get(), ctx.openCount++);
}

int selectNextNode(PathContext& ctx) {
  while (ctx.openCount > 0 && ctx.nodeState[ctx.openHeap[0].node] == NodeClosed) popTop(ctx);
  ctx.bestCost = SelectionCostBound;
  ctx.bestNode = ctx.lastNode;
  if (ctx.openCount > 0 && ctx.openHeap[0].cost <= SelectionCostBound) {
    ctx.bestCost = ctx.openHeap[0].cost;
    ctx.bestNode = ctx.openHeap[0].node;
    popTop(ctx);
  }
  advanceFirstOpen(ctx);
  return ctx.bestNode;
}

}  // namespace gloam::units
