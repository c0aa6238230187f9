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
void popTop(SearchWorkspace& ws) {
  std::uint64_t* heap = ws.openHeap.get();
  const int count = --ws.openCount;
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
void advanceFirstOpen(SearchWorkspace& ws) {
  while (ws.openScan <= ws.lastNode && ws.nodeState[ws.openScan] == NodeClosed) ++ws.openScan;
  if (ws.openScan <= ws.lastNode) ws.firstOpen = ws.openScan;
}

}  // namespace

void resetOpenNodes(SearchWorkspace& ws) {
  ws.openCount = 0;
  ws.openScan = 0;
}

int selectNextNode(SearchWorkspace& ws) {
  while (ws.openCount > 0 && ws.nodeState[nodeOf(ws.openHeap[0])] == NodeClosed) popTop(ws);
  ws.bestCost = SelectionCostBound;
  ws.bestNode = ws.lastNode;
  if (ws.openCount > 0 && costOf(ws.openHeap[0]) <= SelectionCostBound) {
    ws.bestCost = costOf(ws.openHeap[0]);
    ws.bestNode = nodeOf(ws.openHeap[0]);
    popTop(ws);
  }
  advanceFirstOpen(ws);
  return ws.bestNode;
}

}  // namespace gloam::units
