// Walking in the first-person view: the forward and backward steps with their pacing, the
// ground test, the eye-height bob, the carry into a neighbouring cell and the mouse look.
// No GL here; the pass calls these after drawing the view (first_person_step.hpp).
#pragma once
#include "fpview/first_person_state.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview {

// What the movement of one frame reads from the keys and the main loop.
struct MotionInput {
  bool leftButtonDown = false;
  bool backKeyDown = false;  // 'Z'
  int frameCounter = 0;
  float tickDivisor = 30.0f;
};

// The offset change of one backward step (a forward step subtracts it); zero when the view looks
// straight down (pitch 0).
struct StepVector {
  float dx = 0.0f;
  float dy = 0.0f;
};

StepVector stepVector(float viewYaw, float viewPitch);

// Forward steps are paced: one every floor(TickDivisor / 10) frames.
bool forwardStepDue(int frameCounter, float tickDivisor);

// After a step: the ViewOrigin must stand above a Wall cell, or it snaps back to the last one
// that did and the eye returns to the cell centre.
void groundTest(world::ViewOrigin& lastGrounded, const world::DungeonGrid& grid, units::UnitRecord& player,
                world::ViewOrigin& viewOrigin);

// 0.54 + 0.024 * sin(1.5 * walkPhase).
float eyeHeight(float walkPhase);

// Moves an offset that left 0..1 into the neighbouring cell; columns run mirrored. The cell
// coordinates stay inside the grid.
void carryIntoNeighbourCell(units::UnitRecord& player);

// Steps 3 to 8 of a first-person frame: remember the offsets, step, push out of walls, set the
// eye height, carry over cell edges.
void moveEye(FirstPersonState& state, const world::DungeonGrid& grid, units::UnitRecord& player,
             world::ViewOrigin& viewOrigin, const MotionInput& input);

// With a mouse button held the view angles are set (not turned) from the mouse position.
void applyMouseLook(FirstPersonState& state, bool anyButtonDown, int mouseX, int mouseY);

}  // namespace gloam::fpview
