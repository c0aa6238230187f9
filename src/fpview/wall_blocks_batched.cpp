// The batched wall renderers. All cubes share one texture, so the faces go out in one glBegin.
// The per-cube translation and the 0.5 scale are applied on the CPU (exactly: small integers
// plus halves), leaving only the camera on the GL matrix stack. The game draws only the faces the
// eye can see, nearest first; the all-faces walk is kept for comparison.
#include <GL/gl.h>

#include "fpview/scene_textures.hpp"
#include "fpview/visible_wall_faces.hpp"
#include "fpview/wall_blocks.hpp"

namespace gloam::fpview {
namespace {

class QuadBatch {
 public:
  explicit QuadBatch(GLuint texture) : texture_(texture) {}

  // The state each cube would set is set once, before the first Wall cube's faces, as the
  // per-cube path's first cube would; a block without Wall leaves the GL state untouched.
  void wallCell(CellShift) { open(); }

  void face(const WallCubeFace& face, CellShift s) {
    open();
    glNormal3fv(face.normal);
    float corners[4][3];
    detail::faceCorners(face, s, corners);
    for (int k = 0; k < 4; ++k) {
      glTexCoord2f(face.corners[k].s, face.corners[k].t);
      glVertex3fv(corners[k]);
    }
  }

  void finish() {
    if (open_) glEnd();
  }

 private:
  void open() {
    if (open_) return;
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    open_ = true;
  }

  GLuint texture_;
  bool open_ = false;
};

}  // namespace

void drawWallBlocks(FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player) {
  pushCameraTransform(state, player);
  const ViewFrustum frustum = currentGlFrustum();
  QuadBatch batch(state.sceneTextures[WallTextureEntry]);
  walkVisibleWallFaces(grid, player, state.viewRadius, frustum, state.visibility, batch);
  batch.finish();
  glPopMatrix();
}

void drawAllWallBlocks(const FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player) {
  pushCameraTransform(state, player);
  QuadBatch batch(state.sceneTextures[WallTextureEntry]);
  walkWallBlock(grid, player, state.viewRadius, batch);
  batch.finish();
  glPopMatrix();
}

}  // namespace gloam::fpview
