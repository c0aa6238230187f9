// The PathTable: every unit's stored route, the cursor of its next step and the destination of
// the order the route was found for. storePath writes it, unit movement walks it, the top-down
// view draws the part not yet walked. Allocated once at start-up, released at shutdown.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/constants.hpp"

namespace gloam::units {

inline constexpr std::int32_t NoPath = -9;  // pathCursor of a unit that must search before walking

// pathX and pathY hold PathStepsPerUnit entries per unit (unit u owns the elements
// u*PathStepsPerUnit ..); the other arrays hold one entry per unit. Entry 0 is the destination,
// entry pathLength-1 the first step.
struct PathTable {
  std::unique_ptr<std::uint32_t[]> orderDestX;
  std::unique_ptr<std::uint32_t[]> orderDestY;
  std::unique_ptr<std::uint32_t[]> pathX;
  std::unique_ptr<std::uint32_t[]> pathY;
  std::unique_ptr<std::uint32_t[]> pathLength;
  std::unique_ptr<std::int32_t[]> pathCursor;

  bool allocated() const { return pathX != nullptr; }
  std::size_t pathIndex(int unit, int entry) const {
    return static_cast<std::size_t>(unit) * PathStepsPerUnit + static_cast<std::size_t>(entry);
  }
};

// Allocates every array zeroed and sets every unit's pathCursor to NoPath.
void allocatePathTable(PathTable& table);

// Frees every array that exists and leaves each pointer empty.
void releasePathTable(PathTable& table);

}  // namespace gloam::units
