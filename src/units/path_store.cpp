// storePath: copies the route that ends at currentNode into one unit's PathTable share,
// destination first, walking parent links back to (not including) the start node.
#include "units/path_search.hpp"

namespace gloam::units {

int routeLength(const PathContext& ctx) {
  int n = ctx.currentNode;
  int length = 1;
  // Every parent index is lower than its child's, so this walk always ends at node 0.
  while (ctx.nodeParent[n] != 0) {
    n = static_cast<int>(ctx.nodeParent[n]);
    ++length;
  }
  return length;
}

int storePath(PathContext& ctx, int unit) {
  ctx.pathLength[unit] = 0;
  if (routeLength(ctx) > PathStepsPerUnit) {
    ctx.pathCursor[unit] = NoPath;
    return 0;
  }
  int n = ctx.currentNode;
  std::uint32_t length = 0;
  for (;;) {
    ctx.pathX[ctx.pathIndex(unit, static_cast<int>(length))] = static_cast<std::uint32_t>(ctx.nodeX[n]);
    ctx.pathY[ctx.pathIndex(unit, static_cast<int>(length))] = static_cast<std::uint32_t>(ctx.nodeY[n]);
    ++length;
    if (ctx.nodeParent[n] == 0) break;
    n = static_cast<int>(ctx.nodeParent[n]);
  }
  ctx.pathLength[unit] = length;
  ctx.pathCursor[unit] = static_cast<std::int32_t>(length) - 1;
  return 1;
}

}  // namespace gloam::units
