// The camera of the first-person scene, shared by both wall renderers. The half turn about x
// makes deeper levels lie ahead of an eye at pitch 0, so the view starts out looking down.
#include <GL/gl.h>

#include "fpview/wall_blocks.hpp"

namespace gloam::fpview {

void pushCameraTransform(const FirstPersonState& state, const units::UnitRecord& player) {
  glPushMatrix();
  glRotatef(state.viewPitch, 1.0f, 0.0f, 0.0f);
  glRotatef(180 - state.viewYaw, 0.0f, 0.0f, 1.0f);
  glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
  glTranslatef(static_cast<GLfloat>(player.offsetX - 0.5), static_cast<GLfloat>(player.offsetY - 0.5),
               static_cast<GLfloat>(player.offsetZ - 0.5));
}

}  // namespace gloam::fpview
