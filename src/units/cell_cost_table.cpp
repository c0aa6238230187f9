// The CellCostTable: what entering a cell of each CellCode adds to a route's cost.
// Roads are nearly free, forests, hills and mountains expensive, Wall prohibitive.
#include "units/cell_cost_table.hpp"

#include "world/cell_codes.hpp"

namespace gloam::units {

namespace {

struct CellCost {
  cell::Code code;
  float cost;
};

constexpr CellCost ListedCellCosts[] = {
    {cell::LandPlain, 30.0f},
    {cell::LandForest, 332.0f},
    {cell::LandForestFruit, 18.0f},
    {cell::LandForestGray, 42.0f},
    {cell::LandWater, 16.0f},
    {cell::LandWaterDeep, 50.0f},
    {cell::LandSwamp, 28.0f},
    {cell::LandDesert, 30.0f},
    {cell::LandHills, 374.0f},
    {cell::LandMountain, 548.0f},
    {cell::LandMountainHigh, 208.0f},
    {cell::LandForestLeaf, 15.0f},
    {cell::LandRoad, 1.0f},
    {cell::Wall, 3000.0f},
    {cell::Trap, 20.0f},
    {cell::VillageB, 180.0f},
    {cell::VillageBYellow, 180.0f},
    {cell::VillageBBlue, 180.0f},
    {cell::VillageBGreen, 180.0f},
    {cell::VillageBRed, 180.0f},
};

}  // namespace

void initCellCostTable(CellCostTable& table) {
  table.cost.fill(DefaultCellCost);
  for (const CellCost& entry : ListedCellCosts) table.cost[entry.code] = entry.cost;
}

}  // namespace gloam::units
