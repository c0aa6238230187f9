// Builds the eight-neighbour direction table of the path search.
#include "units/direction_table.hpp"

namespace gloam::units {

namespace {

struct Direction {
  int dx;
  int dy;
  float cost;
};

constexpr Direction Directions[DirectionCount] = {
    {0, +1, StraightStepCost}, {+1, +1, DiagonalStepCost}, {+1, 0, StraightStepCost}, {+1, -1, DiagonalStepCost},
    {0, -1, StraightStepCost}, {-1, -1, DiagonalStepCost}, {-1, 0, StraightStepCost}, {-1, +1, DiagonalStepCost},
};

}  // namespace

void buildDirectionTable(SearchWorkspace& ws) {
  for (int d = 0; d < DirectionCount; ++d) {
    ws.dirDX[d] = Directions[d].dx;
    ws.dirDY[d] = Directions[d].dy;
    ws.dirCost[d] = Directions[d].cost;
  }
}

}  // namespace gloam::units
