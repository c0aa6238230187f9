// Drawing one frame of the first-person view: the scene as the previous pass left it, read back
// into the Framebuffer. The eye's movement is a separate step (first_person_step.hpp).
#pragma once
#include "core/screen.hpp"
#include "fpview/first_person_state.hpp"
#include "fpview/wall_blocks.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview {

// The scene alone, from the eye where the player stands: the model-view matrix reset, the buffers
// cleared and the wall blocks drawn by the chosen path.
void drawFirstPersonScene(FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player,
                          WallRenderPath path);

// Runs in the 320x240 mode between clearFrame and the text overlays, with the fixed GL state and
// the projection set and the model-view matrix current: the scene, then its readback.
void drawFirstPersonView(FirstPersonState& state, Screen& screen, const world::DungeonGrid& grid,
                         const units::UnitRecord& player, WallRenderPath path = WallRenderPath::Visible);

}  // namespace gloam::fpview
