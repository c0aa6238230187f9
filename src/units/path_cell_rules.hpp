// Which CellCodes a walking unit may enter, and which count as open ground beside a diagonal step.
// Both sets are fixed; what entering a cell costs is the CellCostTable's business.
#pragma once
#include <array>
#include <cstdint>

#include "world/cell_codes.hpp"

namespace gloam::units {

// Codes that never receive a node. Code 5 has no name but is solid all the same.
inline constexpr cell::Code NotEnterableCodes[] = {
    cell::Empty, cell::EnvBlock,     cell::EnvGrass,         cell::EnvDirt, cell::EnvCorner,
    5,           cell::LandMountain, cell::LandMountainHigh, cell::Wall,
};

// A diagonal step may cut a corner only between two cells of these codes.
inline constexpr cell::Code OpenGroundCodes[] = {cell::LandPlain, cell::LandForest, cell::LandHills, cell::Floor};

using CodeSet = std::array<bool, 256>;

constexpr CodeSet makeCodeSet(bool initial, const cell::Code* listed, int count) {
  CodeSet set{};
  set.fill(initial);
  for (int i = 0; i < count; ++i) set[listed[i]] = !initial;
  return set;
}

inline constexpr CodeSet EnterableCodes =
    makeCodeSet(true, NotEnterableCodes, static_cast<int>(std::size(NotEnterableCodes)));
inline constexpr CodeSet OpenGroundSet =
    makeCodeSet(false, OpenGroundCodes, static_cast<int>(std::size(OpenGroundCodes)));

inline bool isEnterable(cell::Code code) { return EnterableCodes[code]; }
inline bool isOpenGround(cell::Code code) { return OpenGroundSet[code]; }

}  // namespace gloam::units
