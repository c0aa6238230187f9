// The first-person frame in its fixed order. The scene is drawn before the eye moves, so a step
// shows one frame later; the mouse look comes last and likewise shows in the next frame.
#include "fpview/first_person_view.hpp"

#include <GL/gl.h>

#include "core/input.hpp"
#include "platform/keys.hpp"
#include "fpview/eye_motion.hpp"
#include "fpview/scene_composite.hpp"

namespace gloam::fpview {
namespace {

void drawScene(const FirstPersonState& state, const world::DungeonGrid& grid,
               const units::UnitRecord& player, WallRenderPath path) {
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (path == WallRenderPath::PerCube) {
    drawWallBlocksPerCube(state, grid, player);
  } else {
    drawWallBlocks(state, grid, player);
  }
}

}  // namespace

void drawFirstPersonView(FirstPersonState& state, Screen& screen, platform::Platform& platform,
                         const world::DungeonGrid& grid, units::UnitRecord& player,
                         world::ViewOrigin& viewOrigin, int frameCounter, float tickDivisor,
                         WallRenderPath path) {
  drawScene(state, grid, player, path);
  const MotionInput input{isKeyDown(platform, vk::LeftButton), isKeyDown(platform, vk::KeyZ),
                          frameCounter, tickDivisor};
  moveEye(state, grid, player, viewOrigin, input);
  compositeScene(screen);
  const bool anyButton = isKeyDown(platform, vk::LeftButton) || isKeyDown(platform, vk::MiddleButton) ||
                         isKeyDown(platform, vk::RightButton);
  applyMouseLook(state, anyButton, mouseX(platform, screen.mode), mouseY(platform, screen.mode));
}

}  // namespace gloam::fpview
