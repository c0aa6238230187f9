// The PlayerUnit's start-up placement. The draws come in a fixed order (column, then row, per
// try) so that a seed always puts the player on the same cell.
#include "units/player_placement.hpp"

#include "world/cell_codes.hpp"

namespace gloam::units {

namespace {

constexpr int PlacementSpan = GridSide - 2;  // columns and rows 1..254

void fillPlayer(UnitRecord& p, int x, int y) {
  p.inUse = 1;
  p.unitKind = 1;
  p.disabled = 0;
  p.moving = 0;
  p.spriteSlot = PlayerSpriteSlot;
  p.maxHitPoints = PlayerHitPoints;
  p.hitPoints = PlayerHitPoints;
  p.cellX = static_cast<std::uint16_t>(x);
  p.cellY = static_cast<std::uint16_t>(y);
  p.level = PlayerStartLevel;
  p.offsetX = CellCentre;
  p.offsetY = CellCentre;
  p.offsetZ = CellCentre;
  p.barStyle = 0;
}

}  // namespace

int placePlayerUnit(UnitTable& units, const world::DungeonGrid& grid, Rng& rng) {
  for (int attempt = 0; attempt < PlacementTries; ++attempt) {
    const int x = rng.below(PlacementSpan) + 1;
    const int y = rng.below(PlacementSpan) + 1;
    if (grid.cellAt(x, y, PlayerStartLevel) == cell::Wall) continue;
    fillPlayer(units[PlayerUnitIndex], x, y);
    return 1;
  }
  return 0;
}

void centrePlayerOffsets(UnitTable& units) {
  UnitRecord& p = units[PlayerUnitIndex];
  p.offsetX = CellCentre;
  p.offsetY = CellCentre;
  p.offsetZ = CellCentre;
}

}  // namespace gloam::units
