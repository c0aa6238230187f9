// Wall collision of the first-person eye. The arithmetic mixes 32-bit floats with double
// literals on purpose: the probe positions are rounded to float before they are floored, and
// the pushes are computed in double and stored back as float, which decides the edge cases.
#include "fpview/wall_collision.hpp"

#include <cmath>

#include "world/cell_codes.hpp"

namespace gloam::fpview {
namespace {
// NOLINTBEGIN(bugprone-narrowing-conversions): the double-to-float stores are the rounding above.

bool isWallAt(const world::DungeonGrid& grid, const units::UnitRecord& player, float dx, float dy, float dz) {
  return cellCodeNearPlayer(grid, player, dx, dy, dz) == cell::Wall;
}

// Tests 1 to 12. A test with "not Wall here" holds the eye at 0.3 from the face; the
// unconditional 0.2 test pushes further once the eye came within 0.2.
void pushAlongAxes(const world::DungeonGrid& g, units::UnitRecord& p, float a, float b, float c) {
  const bool here = isWallAt(g, p, a, b, c);
  if (isWallAt(g, p, a - 0.3, b, c) && !here) p.offsetX -= 0.3 - a;
  if (isWallAt(g, p, a - 0.2, b, c)) p.offsetX -= 0.2;
  if (isWallAt(g, p, a + 0.3, b, c) && !here) p.offsetX += a + 0.3 - 1;
  if (isWallAt(g, p, a + 0.2, b, c)) p.offsetX += 0.2;
  if (isWallAt(g, p, a, b - 0.3, c) && !here) p.offsetY += 0.3 - b;
  if (isWallAt(g, p, a, b - 0.2, c)) p.offsetY += 0.2;
  if (isWallAt(g, p, a, b + 0.3, c) && !here) p.offsetY -= b + 0.3 - 1;
  if (isWallAt(g, p, a, b + 0.2, c)) p.offsetY -= 0.2;
  if (isWallAt(g, p, a, b, c - 0.3) && !here) p.offsetZ -= 0.3 - c;
  if (isWallAt(g, p, a, b, c - 0.2)) p.offsetZ -= 0.2;
  if (isWallAt(g, p, a, b, c + 0.3) && !here) p.offsetZ += c + 0.3 - 1;
  if (isWallAt(g, p, a, b, c + 0.2)) p.offsetZ += 0.2;
}

// Tests 13 to 16: the first corner found wins, so a corner costs at most one push per call.
int pushOutOfCorner(const world::DungeonGrid& g, units::UnitRecord& p, float a, float b, float c) {
  if (isWallAt(g, p, a - 0.2, b - 0.2, c)) {
    p.offsetX -= 0.2;
    p.offsetY += 0.2;
    return 1;
  }
  if (isWallAt(g, p, a + 0.2, b + 0.2, c)) {
    p.offsetX += 0.2;
    p.offsetY -= 0.2;
    return 1;
  }
  if (isWallAt(g, p, a + 0.2, b - 0.2, c)) {
    p.offsetY += 0.2;
    p.offsetX += 0.2;
    return 1;
  }
  if (isWallAt(g, p, a - 0.2, b + 0.2, c)) {
    p.offsetY -= 0.2;
    p.offsetX -= 0.2;
    return 1;
  }
  return 0;
}
// NOLINTEND(bugprone-narrowing-conversions)

}  // namespace

std::uint8_t cellCodeNearPlayer(const world::DungeonGrid& grid, const units::UnitRecord& player, float dx, float dy,
                                float dz) {
  const int x = player.cellX + static_cast<int>(std::floor(dx));
  const int y = player.cellY + static_cast<int>(std::floor(dy));
  const int z = player.level + static_cast<int>(std::floor(dz));
  return world::cellCodeAtOrZero(grid, x, y, z);
}

int resolveWallCollision(const world::DungeonGrid& grid, units::UnitRecord& player, float a, float b, float c) {
  pushAlongAxes(grid, player, a, b, c);
  return pushOutOfCorner(grid, player, a, b, c);
}

}  // namespace gloam::fpview
