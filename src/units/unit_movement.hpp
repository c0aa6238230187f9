// Move orders and movement along stored paths: the right-click order of the PlayerUnit, the
// movement pass run on every movement tick, and stepUnit, which plans on the first tick of an
// order and hands out one path entry on each later tick.
#pragma once
#include "units/path_context.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units {

inline constexpr int MovementWindowSize = GridSide;  // every movement search covers the whole level
inline constexpr int MoveOrderScreenWidth = 640;     // orders are given on the top-down map only

// Gives the PlayerUnit the cell under the mouse as destination and forces a new plan, when the
// right button is down in the 640-wide mode. mouseX and mouseY are Framebuffer pixels (y upward).
void issueMoveOrder(UnitTable& units, PathContext& ctx, bool rightButtonDown, int screenWidth, int mouseX,
                    int mouseY, const world::ViewOrigin& origin);

// On frames whose number is a multiple of the truncated tickDivisor, steps every live, enabled,
// moving unit in index order.
void unitMovementPass(UnitTable& units, PathContext& ctx, const world::DungeonGrid& grid, int frameCounter,
                      float tickDivisor);

// 1 when the unit moves to (nextX, nextY) now, 0 when it does not. listVariant 0 is the only
// node selection there is; advanceOnPlan 1 moves the cursor past the first step when planning.
int stepUnit(UnitTable& units, PathContext& ctx, const world::DungeonGrid& grid, int unit, int destColumn,
             int destRow, int windowSize, int listVariant, int advanceOnPlan);

}  // namespace gloam::units
