// Move orders and movement along stored paths: the right-click order of the PlayerUnit, the
// movement pass run on every movement tick, and stepUnit, which plans on the first tick of an
// order and hands out one path entry on each later tick.
#pragma once
#include "core/screen.hpp"
#include "units/path_context.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::units {

inline constexpr int MovementWindowSize = GridSide;         // every movement search covers the whole level
inline constexpr int MoveOrderScreenWidth = MapMode.width;  // orders are given on the top-down map only

// The mouse as a move order reads it: the right button and the pointer in Framebuffer pixels
// (y upward).
struct OrderClick {
  bool rightButtonDown;
  int mouseX;
  int mouseY;
};

// What moving units read and write: the units, their routes with the search that plans them,
// and the grid they walk on.
struct MovementWorld {
  UnitTable& units;
  PathContext& paths;
  const world::DungeonGrid& grid;
};

// Gives the PlayerUnit the cell under the mouse as destination and forces a new plan, when the
// right button is down in the 640-wide mode.
void issueMoveOrder(UnitTable& units, PathTable& table, const OrderClick& click, int screenWidth,
                    const world::ViewOrigin& origin);

// On frames whose number is a multiple of the truncated tickDivisor, steps every live, enabled,
// moving unit in index order.
void unitMovementPass(const MovementWorld& w, int frameCounter, float tickDivisor);

// 1 when the unit moves to (nextX, nextY) now, 0 when it does not. The search selects open nodes
// in the one way there is; advanceOnPlan 1 moves the cursor past the first step when planning.
int stepUnit(const MovementWorld& w, int unit, world::GridPoint dest, int windowSize, int advanceOnPlan);

}  // namespace gloam::units
