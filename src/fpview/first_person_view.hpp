// One frame of the first-person view: the scene as the previous frame left it, then the eye's
// movement, the readback into the Framebuffer and the mouse look.
#pragma once
#include "core/screen.hpp"
#include "fpview/first_person_state.hpp"
#include "fpview/wall_blocks.hpp"
#include "platform/platform.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview {

// What a first-person frame reads and moves: the grid, the PlayerUnit and the ViewOrigin, and the
// frame's place in time, which paces the walk.
struct FirstPersonWorld {
  const world::DungeonGrid& grid;
  units::UnitRecord& player;
  world::ViewOrigin& viewOrigin;
  int frameCounter;
  float tickDivisor;
  bool keysTypeText = false;  // the keyboard types into a console (comfort mode): 'Z' does not step
};

// The scene alone, from the eye where the player stands: the model-view matrix reset, the buffers
// cleared and the wall blocks drawn by the chosen path.
void drawFirstPersonScene(FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player,
                          WallRenderPath path);

// Runs in the 320x240 mode between clearFrame and the text overlays, with the fixed GL state and
// the projection set and the model-view matrix current. Reads the left mouse button, 'Z' (unless
// the keys type text) and, with any mouse button held, the mouse position.
void drawFirstPersonView(FirstPersonState& state, Screen& screen, platform::Platform& platform,
                         const FirstPersonWorld& world, WallRenderPath path = WallRenderPath::Visible);

}  // namespace gloam::fpview
