// The CellCostTable: what entering a cell of each CellCode adds to a route's cost. Filled once at
// start-up; every search reads it.
#pragma once
#include <array>
#include <cstdint>

namespace gloam::units {

struct CellCostTable {
  std::array<float, 256> cost{};
  float operator[](std::uint8_t code) const { return cost[code]; }
};

inline constexpr float DefaultCellCost = 3.0f;  // Floor and every code not in the cost list

// Every entry DefaultCellCost, then the listed overworld, Wall, Trap and village costs.
void initCellCostTable(CellCostTable& table);

}  // namespace gloam::units
