// The per-cube wall renderer: every cell of the block gets its own matrix push and translation,
// and every Wall cube its own scale, state set-up and glBegin. Slow on a software rasteriser's
// driver (the matrix work and the begin/end pairs dominate), kept as the reference picture.
#include <GL/gl.h>

#include "fpview/scene_textures.hpp"
#include "fpview/wall_block_walk.hpp"
#include "fpview/wall_blocks.hpp"

namespace gloam::fpview {

void drawWallCube(const FirstPersonState& state, const world::DungeonGrid& grid, int x, int y, int z) {
  if (grid.cellAt(x, y, z) != cell::Wall) return;
  glScalef(0.5f, 0.5f, 0.5f);  // the table's cube spans -1..1
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_COLOR_MATERIAL);
  glBindTexture(GL_TEXTURE_2D, state.sceneTextures[WallTextureEntry]);
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_QUADS);
  for (const WallCubeFace& face : WallCubeFaces) {
    if (grid.cellAt(x + face.nx, y + face.ny, z + face.nz) == cell::Wall) continue;
    glNormal3fv(face.normal);
    for (const FaceCorner& c : face.corners) {
      glTexCoord2f(c.s, c.t);
      glVertex3f(c.x, c.y, c.z);
    }
  }
  glEnd();
}

void drawWallBlocksPerCube(const FirstPersonState& state, const world::DungeonGrid& grid,
                           const units::UnitRecord& player) {
  pushCameraTransform(state, player);
  const int ux = player.cellX;
  const int uy = player.cellY;
  const int uz = player.level;
  const int r = state.viewRadius;
  for (int z = uz - r; z < uz + r; ++z) {
    for (int y = uy - r; y < uy + r; ++y) {
      for (int x = ux - r; x < ux + r; ++x) {
        glPushMatrix();
        glTranslatef(static_cast<float>(x - ux), static_cast<float>(uy - y), static_cast<float>(z - uz));
        if (isDrawnCell(x, y, z)) {
          glPushMatrix();
          drawWallCube(state, grid, x, y, z);
          glPopMatrix();
        }
        glPopMatrix();
      }
    }
  }
  glPopMatrix();
}

}  // namespace gloam::fpview
