// The direction table of the path search: the eight neighbour offsets and their step costs.
// It starts at +y and turns clockwise; odd indices are diagonals.
#pragma once
#include "units/search_workspace.hpp"

namespace gloam::units {

// Slightly below the square root of two, and the search's tie results depend on exactly this value.
inline constexpr float DiagonalStepCost = 1.4142f;
inline constexpr float StraightStepCost = 1.0f;

inline constexpr bool isDiagonal(int direction) { return (direction & 1) != 0; }

// Fills dirDX, dirDY and dirCost.
void buildDirectionTable(SearchWorkspace& ws);

}  // namespace gloam::units
