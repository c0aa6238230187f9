// Allocation and release of the UnitTable.
#include "units/unit_table.hpp"

namespace gloam::units {

void allocateUnitTable(UnitTable& table) {
  table.records = std::make_unique<UnitRecord[]>(UnitSlotCount);  // value-initialised: all zero
}

void releaseUnitTable(UnitTable& table) { table.records.reset(); }

}  // namespace gloam::units
