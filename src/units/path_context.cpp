// Allocation and release of the PathContext and its PathTable arrays.
// Nothing here searches; the arrays are sized for the largest window and for every unit slot.
#include "units/path_context.hpp"

#include <algorithm>

#include "units/direction_table.hpp"

namespace gloam::units {

namespace {

template <typename T>
std::unique_ptr<T[]> zeroed(std::size_t count) {
  return std::make_unique<T[]>(count);  // value-initialised: all zero
}

template <typename T>
void release(std::unique_ptr<T[]>& array) {
  if (array) array.reset();
}

}  // namespace

void allocatePathContext(PathContext& ctx) {
  const std::size_t steps = static_cast<std::size_t>(UnitSlotCount) * PathStepsPerUnit;
  ctx.nodeX = zeroed<std::int16_t>(WindowCapacity);
  ctx.nodeY = zeroed<std::int16_t>(WindowCapacity);
  ctx.nodeParent = zeroed<std::uint32_t>(WindowCapacity);
  ctx.nodeState = zeroed<std::uint8_t>(WindowCapacity);
  ctx.nodeCost = zeroed<float>(WindowCapacity);
  ctx.orderDestX = zeroed<std::uint32_t>(UnitSlotCount);
  ctx.orderDestY = zeroed<std::uint32_t>(UnitSlotCount);
  ctx.pathX = zeroed<std::uint32_t>(steps);
  ctx.pathY = zeroed<std::uint32_t>(steps);
  ctx.pathLength = zeroed<std::uint32_t>(UnitSlotCount);
  ctx.pathCursor = zeroed<std::int32_t>(UnitSlotCount);
  std::fill_n(ctx.pathCursor.get(), UnitSlotCount, NoPath);
  ctx.windowGrid = zeroed<std::uint8_t>(WindowCapacity);
  ctx.openHeap = zeroed<std::uint64_t>(WindowCapacity);
  ctx.searchReady = 0;
  buildDirectionTable(ctx, 0);
}

void releasePathContext(PathContext& ctx) {
  release(ctx.nodeX);
  release(ctx.nodeY);
  release(ctx.nodeParent);
  release(ctx.nodeState);
  release(ctx.nodeCost);
  release(ctx.orderDestX);
  release(ctx.orderDestY);
  release(ctx.pathX);
  release(ctx.pathY);
  release(ctx.pathLength);
  release(ctx.pathCursor);
  release(ctx.windowGrid);
  release(ctx.openHeap);
}

}  // namespace gloam::units
