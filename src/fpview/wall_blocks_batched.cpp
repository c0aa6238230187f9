// The batched wall renderer, the game's path. All cubes share one texture, so the whole block
// goes out in one glBegin. The per-cube translation and the 0.5 scale are applied on the CPU
// (exactly: small integers plus halves), leaving only the camera on the GL matrix stack.
#include <GL/gl.h>

#include "fpview/scene_textures.hpp"
#include "fpview/wall_block_walk.hpp"
#include "fpview/wall_blocks.hpp"

namespace gloam::fpview {
namespace {

class QuadBatch {
 public:
  explicit QuadBatch(GLuint texture) : texture_(texture) {}

  // The state each cube would set is set once, on the first Wall cube, as the per-cube path's
  // first cube would; a block without Wall leaves the GL state untouched in both paths.
  void wallCell(CellShift) {
    if (open_) return;
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    open_ = true;
  }

  void face(const WallCubeFace& face, CellShift s) {
    glNormal3fv(face.normal);
    const float tx = static_cast<float>(s.x);
    const float ty = static_cast<float>(s.y);
    const float tz = static_cast<float>(s.z);
    for (const FaceCorner& c : face.corners) {
      glTexCoord2f(c.s, c.t);
      glVertex3f(tx + 0.5f * c.x, ty + 0.5f * c.y, tz + 0.5f * c.z);
    }
  }

  void finish() {
    if (open_) glEnd();
  }

 private:
  GLuint texture_;
  bool open_ = false;
};

}  // namespace

void drawWallBlocks(const FirstPersonState& state, const world::DungeonGrid& grid,
                    const units::UnitRecord& player) {
  pushCameraTransform(state, player);
  QuadBatch batch(state.sceneTextures[WallTextureEntry]);
  walkWallBlock(grid, player, state.viewRadius, batch);
  batch.finish();
  glPopMatrix();
}

}  // namespace gloam::fpview
