// The eye's movement, in the order of a frame. Sines are taken in double precision and stored
// as 32-bit floats, and the offsets are 32-bit floats, so repeated steps round the same way
// every time.
#include "fpview/eye_motion.hpp"

#include <algorithm>
#include <cmath>

#include "core/constants.hpp"
#include "fpview/wall_collision.hpp"
#include "world/cell_codes.hpp"

namespace gloam::fpview {
namespace {

constexpr double StepLength = 0.1;  // cell per step at a horizontal view
constexpr double EyeRest = 0.54;    // eye height within the cell
constexpr double EyeBob = 0.024;    // amplitude of the walking bob
constexpr double BobRate = 1.5;     // radians of bob per unit of walkPhase

void takeStep(const FirstPersonState& state, units::UnitRecord& player, float direction) {
  const StepVector step = stepVector(state.viewYaw, state.viewPitch);
  // Forward subtracts the step and backward adds it: the step vector points backwards.
  if (direction > 0) {
    player.offsetX -= step.dx;
    player.offsetY -= step.dy;
  } else {
    player.offsetX += step.dx;
    player.offsetY += step.dy;
  }
  player.walkPhase += direction;
}

std::uint16_t clampedCell(int v) { return static_cast<std::uint16_t>(std::clamp(v, 0, GridSide - 1)); }

// A double rounded to the 32-bit float it is stored as. Through a volatile, because GCC 12 compiles
// C++ with "fast" excess precision only, which lets its x86-64 vectorizer skip a plain conversion
// whose value goes straight on into double arithmetic; the walk then differed from the 32-bit
// build's by a float step now and then.
float storedAsFloat(double value) {
  volatile float stored = static_cast<float>(value);
  return stored;
}

}  // namespace

StepVector stepVector(float viewYaw, float viewPitch) {
  const float sx = storedAsFloat(-std::sin((viewYaw + 180) * DegreesToRadians) * StepLength);
  const float sy = storedAsFloat(-std::cos((viewYaw + 180) * DegreesToRadians) * StepLength);
  const double pitchSine = std::sin(viewPitch * DegreesToRadians);
  return StepVector{static_cast<float>(-pitchSine * sx), static_cast<float>(-pitchSine * sy)};
}

bool forwardStepDue(int frameCounter, float tickDivisor) {
  // TickDivisor is only ever 10, 30 or 60; a smaller value would make the divisor 0, which is
  // taken as "every frame" rather than a division by zero.
  const int every = std::max(1, static_cast<int>(tickDivisor / 10));
  return frameCounter % every == 0;
}

void groundTest(world::ViewOrigin& lastGrounded, const world::DungeonGrid& grid, units::UnitRecord& player,
                world::ViewOrigin& viewOrigin) {
  // The test looks at the ViewOrigin, which the scroll keys move, not at the PlayerUnit's cell.
  const bool grounded = world::cellCodeAtOrZero(grid, viewOrigin.sx, viewOrigin.sy, viewOrigin.sz + 1) == cell::Wall;
  if (grounded) {
    lastGrounded = viewOrigin;
    return;
  }
  viewOrigin = lastGrounded;
  player.offsetX = 0.5f;
  player.offsetY = 0.5f;
  player.offsetZ = 0.5f;
}

float eyeHeight(float walkPhase) { return static_cast<float>(std::sin(walkPhase * BobRate) * EyeBob + EyeRest); }

void carryIntoNeighbourCell(units::UnitRecord& p) {
  if (p.offsetX > 1) {
    p.cellX = clampedCell(p.cellX - 1);
    p.offsetX -= 1;
  }
  if (p.offsetY > 1) {
    p.cellY = clampedCell(p.cellY + 1);
    p.offsetY -= 1;
  }
  if (p.offsetX < 0) {
    p.cellX = clampedCell(p.cellX + 1);
    p.offsetX += 1;
  }
  if (p.offsetY < 0) {
    p.cellY = clampedCell(p.cellY - 1);
    p.offsetY += 1;
  }
}

void moveEye(FirstPersonState& state, const world::DungeonGrid& grid, units::UnitRecord& player,
             world::ViewOrigin& viewOrigin, const MotionInput& input) {
  player.prevOffsetX = player.offsetX;
  player.prevOffsetY = player.offsetY;
  player.prevOffsetZ = player.offsetZ;
  if (input.leftButtonDown && forwardStepDue(input.frameCounter, input.tickDivisor)) {
    takeStep(state, player, 1.0f);
    groundTest(state.lastGroundedOrigin, grid, player, viewOrigin);
  }
  if (input.backKeyDown) {
    takeStep(state, player, -1.0f);
    groundTest(state.lastGroundedOrigin, grid, player, viewOrigin);
  }
  resolveWallCollision(grid, player, 1 - player.offsetX, player.offsetY, 1 - player.offsetZ);
  player.offsetZ = eyeHeight(player.walkPhase);
  carryIntoNeighbourCell(player);
}

void applyMouseLook(FirstPersonState& state, bool anyButtonDown, int mouseX, int mouseY) {
  if (!anyButtonDown) return;
  state.viewYaw = static_cast<float>(180 - 160 - 2 * mouseX);
  state.viewPitch = static_cast<float>(-mouseY);
}

}  // namespace gloam::fpview
