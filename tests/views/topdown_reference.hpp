// The top-down frame drawn the literal way: every picture pixel through an out-of-line, bounds-checked
// pixel write. It is the oracle the fast blits are tested against and the benchmark's slow reference.
// The ring, bars and labels use the game's own line, circle and text drawers, which already write
// pixel by pixel.
#pragma once
#include <algorithm>
#include <cstdint>

#include "core/screen.hpp"
#include "draw/circle.hpp"
#include "draw/line.hpp"
#include "draw/literal_blit.hpp"
#include "views/tile_slots.hpp"
#include "views/topdown_view.hpp"

namespace gloam::views::reference {

using draw::testing::literalBlit;

inline void drawTopDownFrame(Screen& s, const TopDownWorld& w, const assets::SpriteBank& bank,
                             const assets::TrigTables& trig, draw::TextBuffer& text) {
  const world::ViewOrigin& o = w.origin;
  for (int i = 0; i < s.mode.width / TileSize; ++i)
    for (int j = 0; j < s.mode.height / TileSize; ++j) {
      const int slot = tileSlotFor(world::cellCodeAtOrZero(w.grid, o.sx + i, o.sy + j, o.sz));
      if (slot != NoTile) literalBlit(s, bank, 16 * i, 16 * j, slot, false);
    }
  const units::UnitRecord& player = w.units[units::PlayerUnitIndex];
  if (player.inUse == 1) {
    const int cursor = std::min(w.paths.pathCursor[units::PlayerUnitIndex], PathStepsPerUnit - 1);
    for (int k = cursor; k >= 0; --k) {
      const std::size_t at = w.paths.pathIndex(units::PlayerUnitIndex, k);
      literalBlit(s, bank, (static_cast<int>(w.paths.pathX[at]) - o.sx) * 16,
                  (static_cast<int>(w.paths.pathY[at]) - o.sy) * 16, RoadSlot, true);
    }
    const int px = (player.cellX - o.sx) * 16, py = (player.cellY - o.sy) * 16;
    draw::drawCircle(s, trig, px + 8.0, py + 8.0, PlayerRingRadius, MapWhite);
    literalBlit(s, bank, px, py, RoadSlot, true);
  }
  for (int u = 0; u < UnitSlotCount; ++u) {
    const units::UnitRecord& r = w.units[u];
    const int dx = r.cellX - o.sx, dy = r.cellY - o.sy;
    if (r.inUse != 1 || r.disabled != 0 || !isMapVisibleKind(r.unitKind) || r.level != o.sz) continue;
    if (dx < 0 || dx >= s.mode.width / 16 || dy < 0 || dy >= s.mode.height / 16) continue;
    const int px = 16 * dx, py = 16 * dy;
    literalBlit(s, bank, px, py, r.spriteSlot, true);
    draw::drawLine(s, px, py + 16, px + 14, py + 16, BarRed);
    if (r.maxHitPoints > 0) {
      const int e = static_cast<int>(px + 14 * r.hitPoints / r.maxHitPoints);
      if (r.barStyle == 0) draw::drawLine(s, px, py + 16, e, py + 16, BarGreen);
      if (r.barStyle == 1 || r.barStyle == 3) draw::drawLine(s, px, py + 16, e, py + 16, BarPurple);
    }
    draw::formatText(text, "%d ms%d ", u, static_cast<int>(r.moving));
    draw::drawText(s, text, px, py + 17, MapWhite);
  }
}

}  // namespace gloam::views::reference
