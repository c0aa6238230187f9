// The limits of the ViewOrigin. Two rules give two sets of bounds: the view set from the
// PlayerUnit at start-up keeps one cell in from every edge of the grid, while the scroll keys
// (and everything that moves the view the way they do) may reach the edges.
#pragma once
#include "core/screen.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::views {

// Start-up: SX 1 .. 255 - ScreenWidth/16, SY 1 .. 255 - ScreenHeight/16, SZ 0 .. 179.
void clampStartupView(world::ViewOrigin& view, const ScreenMode& mode);

// The scroll keys: SX 0 .. 256 - ScreenWidth/16, SY 0 .. 256 - ScreenHeight/16, SZ 0 .. 179.
void clampScrolledView(world::ViewOrigin& view, const ScreenMode& mode);

}  // namespace gloam::views
