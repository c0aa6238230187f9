#include "comfort/first_look.hpp"

#include "world/cell_codes.hpp"

namespace gloam::comfort {

int openRunLength(const world::DungeonGrid& grid, int x, int y, int z, int dx, int dy) {
  int run = 0;
  for (int cx = x + dx, cy = y + dy; cx >= 0 && cy >= 0 && cx < GridSide && cy < GridSide; cx += dx, cy += dy) {
    if (grid.cellAt(cx, cy, z) == cell::Wall) break;
    ++run;
  }
  return run;
}

const LookDirection& longestOpenDirection(const world::DungeonGrid& grid, const units::UnitRecord& player) {
  const LookDirection* best = &LookDirections[0];
  int bestRun = -1;
  for (const LookDirection& d : LookDirections) {
    const int run = openRunLength(grid, player.cellX, player.cellY, player.level, d.dx, d.dy);
    if (run > bestRun) {
      best = &d;
      bestRun = run;
    }
  }
  return *best;
}

void applyFirstLook(fpview::FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player) {
  state.viewYaw = longestOpenDirection(grid, player).yaw;
  state.viewPitch = LevelPitch;
}

}  // namespace gloam::comfort
