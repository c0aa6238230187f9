// Allocation and release of the search workspace's arrays, sized for the largest window.
#include "units/search_workspace.hpp"

#include "units/direction_table.hpp"

namespace gloam::units {

void allocateSearchWorkspace(SearchWorkspace& ws) {
  ws.nodeX = std::make_unique<std::int16_t[]>(WindowCapacity);  // value-initialised: all zero
  ws.nodeY = std::make_unique<std::int16_t[]>(WindowCapacity);
  ws.nodeParent = std::make_unique<std::uint32_t[]>(WindowCapacity);
  ws.nodeState = std::make_unique<std::uint8_t[]>(WindowCapacity);
  ws.nodeCost = std::make_unique<float[]>(WindowCapacity);
  ws.windowGrid = std::make_unique<std::uint8_t[]>(WindowCapacity);
  ws.openHeap = std::make_unique<std::uint64_t[]>(WindowCapacity);
  ws.searchReady = 0;
  buildDirectionTable(ws);
}

void releaseSearchWorkspace(SearchWorkspace& ws) {
  ws.nodeX.reset();
  ws.nodeY.reset();
  ws.nodeParent.reset();
  ws.nodeState.reset();
  ws.nodeCost.reset();
  ws.windowGrid.reset();
  ws.openHeap.reset();
}

}  // namespace gloam::units
