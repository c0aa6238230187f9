// Texture upload for the first-person scene. Rows go up with GL's default unpack alignment of 4,
// which is why these pictures must be a multiple of 4 pixels wide. An empty slot is uploaded as
// a 0x0 image: its cubes then draw untextured, in white.
#include "fpview/scene_textures.hpp"

#include <GL/gl.h>

namespace gloam::fpview {
namespace {

constexpr GLint ThreeComponents = 3;

void uploadOne(GLuint name, const assets::SpriteSlot& slot) {
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, ThreeComponents, static_cast<GLsizei>(slot.width), static_cast<GLsizei>(slot.height),
               0, GL_RGB, GL_UNSIGNED_BYTE, slot.empty() ? nullptr : slot.pixels.data());
}

}  // namespace

int uploadSceneTextures(FirstPersonState& state, const assets::SpriteBank& bank) {
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glGenTextures(SceneTextureCount, state.sceneTextures.data());
  for (int i = 0; i < SceneTextureImageCount; ++i) {
    uploadOne(state.sceneTextures[i], bank[SceneTextureFirstSlot + i]);
  }
  return 1;
}

}  // namespace gloam::fpview
