// Move orders and the per-tick movement of units along their stored paths.
// A unit's order state is its `moving` flag together with its pathCursor:
// Idle (moving 0), Ordered (cursor NoPath), Walking (cursor >= 0), Used up (other negative cursor).
#include "units/unit_movement.hpp"

#include "units/path_search.hpp"

namespace gloam::units {

namespace {

void stopUnit(UnitRecord& r, PathContext& ctx, int unit) {
  ctx.pathCursor[unit] = NoPath;
  ctx.pathLength[unit] = 0;
  r.moving = 0;
}

void takeEntry(UnitRecord& r, const PathContext& ctx, int unit, int entry) {
  r.nextX = static_cast<std::uint16_t>(ctx.pathX[ctx.pathIndex(unit, entry)]);
  r.nextY = static_cast<std::uint16_t>(ctx.pathY[ctx.pathIndex(unit, entry)]);
}

int planAndStep(UnitTable& units, PathContext& ctx, const world::DungeonGrid& grid, int unit, int destColumn,
                int destRow, int windowSize, int advanceOnPlan) {
  UnitRecord& r = units[unit];
  beginPathSearch(ctx, units, r.cellX, r.cellY, destColumn, destRow, r.level, windowSize);
  runPathSearch(ctx, grid, windowSize * windowSize);
  // A route too long for the unit's share of the PathTable is treated as not found.
  if (ctx.searchResult != SearchGoalReached || routeLength(ctx) > PathStepsPerUnit) {
    stopUnit(r, ctx, unit);
    return 0;
  }
  // The order's destination as given, before the search clamped it: the last step lands there.
  ctx.orderDestX[unit] = static_cast<std::uint32_t>(destColumn);
  ctx.orderDestY[unit] = static_cast<std::uint32_t>(destRow);
  storePath(ctx, unit);
  takeEntry(r, ctx, unit, ctx.pathCursor[unit]);
  if (advanceOnPlan == 1) ctx.pathCursor[unit] -= 1;
  return 1;
}

// Taking entry 0 puts the unit on the order's destination and ends the order there.
int walkStep(UnitRecord& r, PathContext& ctx, int unit) {
  takeEntry(r, ctx, unit, ctx.pathCursor[unit]);
  ctx.pathCursor[unit] -= 1;
  if (ctx.pathCursor[unit] != -1) return 1;
  ctx.pathCursor[unit] = NoPath;
  r.moving = 0;
  r.cellX = static_cast<std::uint16_t>(ctx.orderDestX[unit]);
  r.cellY = static_cast<std::uint16_t>(ctx.orderDestY[unit]);
  return 0;
}

}  // namespace

void issueMoveOrder(UnitTable& units, PathContext& ctx, bool rightButtonDown, int screenWidth, int mouseX,
                    int mouseY, const world::ViewOrigin& origin) {
  if (!rightButtonDown || screenWidth != MoveOrderScreenWidth) return;
  UnitRecord& player = units[PlayerUnitIndex];
  player.destX = static_cast<std::uint16_t>(mouseX / TileSize + origin.sx);
  player.destY = static_cast<std::uint16_t>(mouseY / TileSize + origin.sy);
  player.moving = 1;
  ctx.pathCursor[PlayerUnitIndex] = NoPath;
}

void unitMovementPass(UnitTable& units, PathContext& ctx, const world::DungeonGrid& grid, int frameCounter,
                      float tickDivisor) {
  const int n = static_cast<int>(tickDivisor);
  if (n <= 0 || frameCounter % n != 0) return;  // the speed keys only ever set 10, 30 or 60
  for (int i = 0; i < UnitSlotCount; ++i) {
    UnitRecord& r = units[i];
    if (r.inUse != 1 || r.disabled != 0 || r.moving != 1) continue;
    if (stepUnit(units, ctx, grid, i, r.destX, r.destY, MovementWindowSize, 0, 1) == 1) {
      r.cellX = r.nextX;
      r.cellY = r.nextY;
    } else {
      r.moving = 0;
    }
  }
}

int stepUnit(UnitTable& units, PathContext& ctx, const world::DungeonGrid& grid, int unit, int destColumn,
             int destRow, int windowSize, int /*listVariant*/, int advanceOnPlan) {
  const std::int32_t cursor = ctx.pathCursor[unit];
  if (cursor == NoPath) return planAndStep(units, ctx, grid, unit, destColumn, destRow, windowSize, advanceOnPlan);
  if (cursor < 0) return 0;  // used up: the pass ends the order, the cursor keeps its value
  return walkStep(units[unit], ctx, unit);
}

}  // namespace gloam::units
