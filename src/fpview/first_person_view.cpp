// The first-person frame in its fixed order. The scene is drawn before the eye moves, so a step
// shows one frame later; the mouse look comes last and likewise shows in the next frame.
#include "fpview/first_person_view.hpp"

#include <GL/gl.h>

#include "core/input.hpp"
#include "fpview/eye_motion.hpp"
#include "fpview/scene_composite.hpp"
#include "platform/keys.hpp"

namespace gloam::fpview {

void drawFirstPersonScene(FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player,
                          WallRenderPath path) {
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  switch (path) {
    case WallRenderPath::Visible: drawWallBlocks(state, grid, player); break;
    case WallRenderPath::AllFaces: drawAllWallBlocks(state, grid, player); break;
    case WallRenderPath::PerCube: drawWallBlocksPerCube(state, grid, player); break;
  }
}

void drawFirstPersonView(FirstPersonState& state, Screen& screen, platform::Platform& platform,
                         const FirstPersonWorld& world, WallRenderPath path) {
  drawFirstPersonScene(state, world.grid, world.player, path);
  const bool backKeyDown = !world.keysTypeText && isKeyDown(platform, vk::KeyZ);
  const MotionInput input{isKeyDown(platform, vk::LeftButton), backKeyDown, world.frameCounter, world.tickDivisor};
  moveEye(state, world.grid, world.player, world.viewOrigin, input);
  compositeScene(screen);
  const bool anyButton = isKeyDown(platform, vk::LeftButton) || isKeyDown(platform, vk::MiddleButton) ||
                         isKeyDown(platform, vk::RightButton);
  applyMouseLook(state, anyButton, mouseX(platform, screen.mode), mouseY(platform, screen.mode));
}

}  // namespace gloam::fpview
