// Move orders and the per-tick movement of units along their stored paths.
// A unit's order state is its `moving` flag together with its pathCursor:
// Idle (moving 0), Ordered (cursor NoPath), Walking (cursor >= 0), Used up (other negative cursor).
#include "units/unit_movement.hpp"

#include "units/path_search.hpp"

namespace gloam::units {

namespace {

void stopUnit(UnitRecord& r, PathTable& table, int unit) {
  table.pathCursor[unit] = NoPath;
  table.pathLength[unit] = 0;
  r.moving = 0;
}

void takeEntry(UnitRecord& r, const PathTable& table, int unit, int entry) {
  r.nextX = static_cast<std::uint16_t>(table.pathX[table.pathIndex(unit, entry)]);
  r.nextY = static_cast<std::uint16_t>(table.pathY[table.pathIndex(unit, entry)]);
}

int planAndStep(const MovementWorld& w, int unit, world::GridPoint dest, int windowSize, int advanceOnPlan) {
  UnitRecord& r = w.units[unit];
  SearchWorkspace& search = w.paths.search;
  PathTable& table = w.paths.table;
  beginPathSearch(search, w.units, {r.cellX, r.cellY}, dest, r.level, windowSize);
  runPathSearch(search, w.grid, windowSize * windowSize);
  // A route too long for the unit's share of the PathTable is treated as not found.
  if (search.searchResult != SearchCode::GoalReached || routeLength(search) > PathStepsPerUnit) {
    stopUnit(r, table, unit);
    return 0;
  }
  // The order's destination as given, before the search clamped it: the last step lands there.
  table.orderDestX[unit] = static_cast<std::uint32_t>(dest.x);
  table.orderDestY[unit] = static_cast<std::uint32_t>(dest.y);
  storePath(search, table, unit);
  takeEntry(r, table, unit, table.pathCursor[unit]);
  if (advanceOnPlan == 1) table.pathCursor[unit] -= 1;
  return 1;
}

// Taking entry 0 puts the unit on the order's destination and ends the order there.
int walkStep(UnitRecord& r, PathTable& table, int unit) {
  takeEntry(r, table, unit, table.pathCursor[unit]);
  table.pathCursor[unit] -= 1;
  if (table.pathCursor[unit] != -1) return 1;
  table.pathCursor[unit] = NoPath;
  r.moving = 0;
  r.cellX = static_cast<std::uint16_t>(table.orderDestX[unit]);
  r.cellY = static_cast<std::uint16_t>(table.orderDestY[unit]);
  return 0;
}

}  // namespace

void issueMoveOrder(UnitTable& units, PathTable& table, const OrderClick& click, int screenWidth,
                    const world::ViewOrigin& origin) {
  if (!click.rightButtonDown || screenWidth != MoveOrderScreenWidth) return;
  UnitRecord& player = units[PlayerUnitIndex];
  player.destX = static_cast<std::uint16_t>(click.mouseX / TileSize + origin.sx);
  player.destY = static_cast<std::uint16_t>(click.mouseY / TileSize + origin.sy);
  player.moving = 1;
  table.pathCursor[PlayerUnitIndex] = NoPath;
}

void unitMovementPass(const MovementWorld& w, int frameCounter, float tickDivisor) {
  const int n = static_cast<int>(tickDivisor);
  if (n <= 0 || frameCounter % n != 0) return;  // the speed keys only ever set 10, 30 or 60
  for (int i = 0; i < UnitSlotCount; ++i) {
    UnitRecord& r = w.units[i];
    if (r.inUse != 1 || r.disabled != 0 || r.moving != 1) continue;
    if (stepUnit(w, i, {r.destX, r.destY}, MovementWindowSize, 1) == 1) {
      r.cellX = r.nextX;
      r.cellY = r.nextY;
    } else {
      r.moving = 0;
    }
  }
}

int stepUnit(const MovementWorld& w, int unit, world::GridPoint dest, int windowSize, int advanceOnPlan) {
  const std::int32_t cursor = w.paths.table.pathCursor[unit];
  if (cursor == NoPath) return planAndStep(w, unit, dest, windowSize, advanceOnPlan);
  if (cursor < 0) return 0;  // used up: the pass ends the order, the cursor keeps its value
  return walkStep(w.units[unit], w.paths.table, unit);
}

}  // namespace gloam::units
