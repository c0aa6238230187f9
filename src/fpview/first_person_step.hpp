// The first-person view's movement in a pass, apart from its drawing and without GL: the walk
// forward and back, the push out of walls, the ViewOrigin kept over solid ground, and the mouse
// look. The pass runs it right after drawing the view, so a step shows on the next pass.
#pragma once
#include "core/screen.hpp"
#include "fpview/eye_motion.hpp"
#include "fpview/first_person_state.hpp"
#include "platform/platform.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview {

// What a first-person pass reads and moves: the grid, the PlayerUnit and the ViewOrigin, and the
// pass's place in time, which paces the walk.
struct FirstPersonWorld {
  const world::DungeonGrid& grid;
  units::UnitRecord& player;
  world::ViewOrigin& viewOrigin;
  int frameCounter;
  float tickDivisor;
};

// The keys and the mouse as one pass of the view sees them.
struct FirstPersonInput {
  bool walkDown = false;  // the left mouse button
  bool backDown = false;  // 'Z'
  bool lookDown = false;  // any mouse button
  int mouseX = 0;         // Framebuffer pixels, from the left
  int mouseY = 0;         // Framebuffer pixels, from the bottom
};

// Reads the left button once, 'Z' (unless the keyboard types into a console), the middle and
// right buttons only when the left one is up, then the mouse. A tap of the left button shorter
// than a pass is therefore one press for the whole pass: it steps (when a step is due) and turns
// the view alike, whichever platform latched it.
FirstPersonInput readFirstPersonInput(platform::Platform& platform, const ScreenMode& mode, bool keysTypeText);

// Steps 3 to 8 of the view (the walk, the push out of walls, the eye height, the carry into the
// next cell), as moveEye does them, for this input.
void walkFirstPerson(FirstPersonState& state, const FirstPersonWorld& world, const FirstPersonInput& input);

}  // namespace gloam::fpview
