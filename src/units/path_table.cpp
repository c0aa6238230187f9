// Allocation and release of the PathTable's arrays, sized for every unit slot.
#include "units/path_table.hpp"

#include <algorithm>

namespace gloam::units {

void allocatePathTable(PathTable& table) {
  const std::size_t steps = static_cast<std::size_t>(UnitSlotCount) * PathStepsPerUnit;
  table.orderDestX = std::make_unique<std::uint32_t[]>(UnitSlotCount);  // value-initialised: all zero
  table.orderDestY = std::make_unique<std::uint32_t[]>(UnitSlotCount);
  table.pathX = std::make_unique<std::uint32_t[]>(steps);
  table.pathY = std::make_unique<std::uint32_t[]>(steps);
  table.pathLength = std::make_unique<std::uint32_t[]>(UnitSlotCount);
  table.pathCursor = std::make_unique<std::int32_t[]>(UnitSlotCount);
  std::fill_n(table.pathCursor.get(), UnitSlotCount, NoPath);
}

void releasePathTable(PathTable& table) {
  table.orderDestX.reset();
  table.orderDestY.reset();
  table.pathX.reset();
  table.pathY.reset();
  table.pathLength.reset();
  table.pathCursor.reset();
}

}  // namespace gloam::units
