// storePath: copies the route that ends at currentNode into one unit's PathTable share,
// destination first, walking parent links back to (not including) the start node.
#include "units/path_store.hpp"

namespace gloam::units {

int routeLength(const SearchWorkspace& ws) {
  int n = ws.currentNode;
  int length = 1;
  // Every parent index is lower than its child's, so this walk always ends at node 0.
  while (ws.nodeParent[n] != 0) {
    n = static_cast<int>(ws.nodeParent[n]);
    ++length;
  }
  return length;
}

int storePath(const SearchWorkspace& ws, PathTable& table, int unit) {
  table.pathLength[unit] = 0;
  if (routeLength(ws) > PathStepsPerUnit) {
    table.pathCursor[unit] = NoPath;
    return 0;
  }
  int n = ws.currentNode;
  std::uint32_t length = 0;
  for (;;) {
    table.pathX[table.pathIndex(unit, static_cast<int>(length))] = static_cast<std::uint32_t>(ws.nodeX[n]);
    table.pathY[table.pathIndex(unit, static_cast<int>(length))] = static_cast<std::uint32_t>(ws.nodeY[n]);
    ++length;
    if (ws.nodeParent[n] == 0) break;
    n = static_cast<int>(ws.nodeParent[n]);
  }
  table.pathLength[unit] = length;
  table.pathCursor[unit] = static_cast<std::int32_t>(length) - 1;
  return 1;
}

}  // namespace gloam::units
