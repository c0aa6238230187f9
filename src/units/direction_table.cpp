// Builds the eight-neighbour direction table of the path search.
// Only order 0 exists; any other order fills the same rows and is merely recorded.
#include "units/direction_table.hpp"

namespace gloam::units {

namespace {

struct Direction {
  int dx;
  int dy;
  float cost;
};

constexpr Direction DirectionsOrder0[DirectionCount] = {
    {0, +1, StraightStepCost},  {+1, +1, DiagonalStepCost}, {+1, 0, StraightStepCost},
    {+1, -1, DiagonalStepCost}, {0, -1, StraightStepCost},  {-1, -1, DiagonalStepCost},
    {-1, 0, StraightStepCost},  {-1, +1, DiagonalStepCost},
};

}  // namespace

void buildDirectionTable(PathContext& ctx, int order) {
  for (int d = 0; d < DirectionCount; ++d) {
    ctx.dirDX[d] = DirectionsOrder0[d].dx;
    ctx.dirDY[d] = DirectionsOrder0[d].dy;
    ctx.dirCost[d] = DirectionsOrder0[d].cost;
  }
  ctx.dirOrder = order;
}

}  // namespace gloam::units
