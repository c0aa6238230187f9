// The top-down view in its three layers: tiles, then the PlayerUnit's path and ring, then the units.
// Later layers cover earlier ones. Screen y grows upward, so view row 0 (grid row SY) is at the bottom.
#include "views/topdown_view.hpp"

#include <algorithm>
#include <cmath>

#include "core/constants.hpp"
#include "draw/circle.hpp"
#include "draw/line.hpp"
#include "draw/sprite_blit.hpp"
#include "views/tile_slots.hpp"

namespace gloam::views {
namespace {

// Path entries are 32-bit cells; one far outside the grid is pulled in before it becomes a pixel
// coordinate, so the arithmetic stays defined while the mark still lands off screen.
constexpr long long FarOffPixel = 1LL << 28;

int tilePixel(long long cell, int originCell) {
  return static_cast<int>(std::clamp((cell - originCell) * TileSize, -FarOffPixel, FarOffPixel));
}

void drawRemainingPath(Screen& screen, const units::PathTable& paths, const world::ViewOrigin& origin,
                       const assets::SpriteBank& bank) {
  if (!paths.allocated()) return;
  const std::int32_t cursor = paths.pathCursor[units::PlayerUnitIndex];
  // Entries from the cursor down to 0 are still to be walked; entry 0 is the goal.
  for (int k = std::min(cursor, PathStepsPerUnit - 1); k >= 0; --k) {
    const std::size_t at = paths.pathIndex(units::PlayerUnitIndex, k);
    draw::blitSpriteKeyed(screen, bank, tilePixel(paths.pathX[at], origin.sx), tilePixel(paths.pathY[at], origin.sy),
                          RoadSlot);
  }
}

bool isDrawnOnMap(const units::UnitRecord& u, int dx, int dy, const world::ViewOrigin& origin, const Screen& screen) {
  if (u.inUse != 1 || u.disabled != 0 || !isMapVisibleKind(u.unitKind)) return false;
  if (u.level != origin.sz) return false;
  return dx >= 0 && dx < screen.mode.width / TileSize && dy >= 0 && dy < screen.mode.height / TileSize;
}

void drawHitBar(Screen& screen, const units::UnitRecord& u, int px, int py) {
  const int barY = py + HitBarRise;
  draw::drawLine(screen, px, barY, px + HitBarSpan, barY, BarRed);
  if (!(u.maxHitPoints > 0.0f)) return;
  const float end = static_cast<float>(px) + static_cast<float>(HitBarSpan) * u.hitPoints / u.maxHitPoints;
  // Hit points are kept within 0..max; these guards only keep a corrupt value from breaking the int.
  if (std::isnan(end)) return;
  const int e = static_cast<int>(std::clamp(end, -1.0e8f, 1.0e8f));
  if (u.barStyle == 0) {
    draw::drawLine(screen, px, barY, e, barY, BarGreen);
  } else if (u.barStyle == 1 || u.barStyle == 3) {
    draw::drawLine(screen, px, barY, e, barY, BarPurple);
  }
}

// Unit `index`, when the map shows it: its picture, hit-point bar and label.
void drawUnit(Screen& screen, const TopDownWorld& world, int index, const assets::SpriteBank& bank,
              draw::TextBuffer& text) {
  const units::UnitRecord& u = world.units[index];
  const int dx = static_cast<int>(u.cellX) - world.origin.sx;
  const int dy = static_cast<int>(u.cellY) - world.origin.sy;
  if (!isDrawnOnMap(u, dx, dy, world.origin, screen)) return;
  const int px = TileSize * dx;
  const int py = TileSize * dy;
  draw::blitSpriteKeyed(screen, bank, px, py, u.spriteSlot);
  drawHitBar(screen, u, px, py);
  draw::formatText(text, "%d ms%d ", index, static_cast<int>(u.moving));
  draw::drawText(screen, text, px, py + UnitLabelRise, MapWhite);
}

}  // namespace

void drawTiles(Screen& screen, const world::DungeonGrid& grid, const world::ViewOrigin& origin,
               const assets::SpriteBank& bank) {
  if (!grid.allocated()) return;
  const int columns = screen.mode.width / TileSize;
  const int rows = screen.mode.height / TileSize;
  for (int i = 0; i < columns; ++i) {
    for (int j = 0; j < rows; ++j) {
      // Cells beyond the grid (possible for one frame after a mode switch) read as Empty: no tile.
      const std::int16_t slot = tileSlotFor(world::cellCodeAtOrZero(grid, origin.sx + i, origin.sy + j, origin.sz));
      if (slot != NoTile) draw::blitSprite(screen, bank, TileSize * i, TileSize * j, slot);
    }
  }
}

void drawPlayerPathAndRing(Screen& screen, const TopDownWorld& world, const assets::SpriteBank& bank,
                           const assets::TrigTables& trig) {
  if (!world.units.allocated()) return;
  const units::UnitRecord& player = world.units[units::PlayerUnitIndex];
  if (player.inUse != 1) return;  // neither the level nor disabled is consulted here
  drawRemainingPath(screen, world.paths, world.origin, bank);
  const int px = tilePixel(player.cellX, world.origin.sx);
  const int py = tilePixel(player.cellY, world.origin.sy);
  const double middle = TileSize / 2.0;
  draw::drawCircle(screen, trig, px + middle, py + middle, PlayerRingRadius, MapWhite);
  draw::blitSpriteKeyed(screen, bank, px, py, RoadSlot);
}

void drawUnits(Screen& screen, const TopDownWorld& world, const assets::SpriteBank& bank, draw::TextBuffer& text) {
  if (!world.units.allocated()) return;
  for (int index = 0; index < UnitSlotCount; ++index) drawUnit(screen, world, index, bank, text);
}

void drawTopDownView(Screen& screen, const TopDownWorld& world, const assets::SpriteBank& bank,
                     const assets::TrigTables& trig, draw::TextBuffer& text) {
  drawTiles(screen, world.grid, world.origin, bank);
  drawPlayerPathAndRing(screen, world, bank, trig);
  drawUnits(screen, world, bank, text);
}

}  // namespace gloam::views
